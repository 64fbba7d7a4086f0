#include "frontend/voicing.h"

#include <cstdio>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QSlider>

#include "campus/CampusScreen.h"
#include "frontend/comfort.h"
#include "media/audio.h"
#include "media/speech.h"
#include "ui/controls.h"
#include "ui/language.h"

namespace {

QString Words(const char* japanese, const char* english) {
    return QString::fromUtf8(ui::CurrentLanguage() == ui::Language::English ? english : japanese);
}

// What a control is, what it holds and what it does, in the words a screen reader gets.
QString Describing(const QWidget& control) {
    QString name = control.accessibleName();
    if (name.isEmpty()) {
        if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
            name = button->text();
        else if (const auto* label = qobject_cast<const QLabel*>(&control))
            name = label->text();
    }
    QStringList parts{name};
    if (const auto* choice = qobject_cast<const QComboBox*>(&control))
        parts << choice->currentText();
    else if (const auto* box = qobject_cast<const QLineEdit*>(&control))
        parts << box->text();  // the name as he typed it
    else if (const auto* slider = qobject_cast<const QSlider*>(&control))
        parts << QString::number(slider->value());
    if (const auto* box = qobject_cast<const QAbstractButton*>(&control); box && box->isCheckable())
        parts << (box->isChecked() ? Words("オン", "on") : Words("オフ", "off"));
    if (!control.isEnabled()) parts << Words("使えません", "unavailable");
    parts << control.accessibleDescription();
    parts.removeAll(QString());
    return parts.join(Words("、", ", "));
}

// Speaks whatever takes the keyboard. A window that opens gives its first control the focus:
// that follows what the window said of itself; a move of the player's own cuts in.
class FocusVoice : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType() && media::SelfVoicing()) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            const bool players = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
                                 reason == Qt::ShortcutFocusReason ||
                                 reason == Qt::MouseFocusReason;
            const auto* control = static_cast<QWidget*>(watched);
            QString said = Describing(*control);
            // A message box that opens is heard with its message before its button.
            if (const auto* box = qobject_cast<const QMessageBox*>(control->window());
                box && !players)
                said = box->text() + Words("。", ". ") + said;
            media::Voice(said, players);
        }
        return false;
    }
};

// Said once per run when the voice for the player's language is missing: on the screen, and
// aloud in English through eSpeak NG if it is there, else as a tone.
void TellMissingVoice() {
    static bool told = false;
    const ui::Language language = ui::CurrentLanguage();
    if (told || media::VoiceInstalled(language)) return;
    told = true;
    const QString packages = media::VoicePackages(language);
    const QString text = Words("自動読み上げの声がありません。次のパッケージを入れてください: ",
                               "Self-voicing has no voice. Please install these packages: ") +
                         packages;
    std::fprintf(stderr, "velmora3: %s\n", text.toLocal8Bit().constData());
    auto* box = new QMessageBox(QMessageBox::Information, Words("自動読み上げ", "Self-voicing"),
                                text, QMessageBox::Ok, QApplication::activeWindow());
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
    if (media::VoiceInstalled(ui::Language::English))
        media::Say(QStringLiteral("Self-voicing has no voice. Please install ") + packages,
                   ui::Language::English, true);
    else
        media::PlayEffect(QString(), false);  // the default beep
}

void SetVoicing(bool on) {
    if (on) {
        media::SetSelfVoicing(true);
        TellMissingVoice();
        media::Voice(Words("自動読み上げ、オン", "Self-voicing on"));
    } else {
        media::SetSelfVoicing(false);
    }
}

}  // namespace

void StartVoicing() {
    static FocusVoice focusVoice;
    qApp->installEventFilter(&focusVoice);
    // The friend's balloon on the start menu; a new caption cuts off the old one.
    ui::SetVoicedCaptionHook([](const QString& caption) { media::Voice(caption); });
    const Comforts c = StoredComforts();
    media::UseSpeechCommand(c.speechCommand);
    if (!c.selfVoicing) return;
    if (ScreenReaderRunning()) {
        std::fprintf(stderr,
                     "velmora3: a screen reader is running: self-voicing stays off (F8 turns it "
                     "on)\n");
        return;
    }
    SetVoicing(true);
}

bool VoicingOn() {
    return media::SelfVoicing();
}

void ChooseVoicing(bool on) {
    Comforts c = StoredComforts();
    c.selfVoicing = on;
    StoreComforts(c);
    if (!on)
        media::Say(Words("自動読み上げ、オフ", "Self-voicing off"), ui::CurrentLanguage(), true);
    SetVoicing(on);
}

void VoiceWhereAndWhen() {
    if (!CampusScreen.IsLoaded() || !CampusScreen->isVisible()) {
        if (QWidget* window = QApplication::activeWindow()) media::Voice(window->windowTitle());
        return;
    }
    CampusScreenForm& campus = *CampusScreen;
    QStringList parts{campus.clockLabel->Caption(), campus.Caption()};
    QStringList walks;
    for (int i = 0; i < campus.travelButtons.Count(); ++i) {
        const QWidget& button = campus.travelButtons(i);
        if (button.isEnabled() && button.isVisible()) walks << Describing(button);
    }
    parts << (walks.isEmpty() ? Words("今は歩けません", "You cannot walk now")
                              : walks.join(Words("。", ". ")));
    media::Voice(parts.join(Words("。", ". ")));
}

bool ScreenReaderRunning() {
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Asked only when the accessibility bus runs already: asking would start it.
    if (!bus.isConnected() || !bus.interface() ||
        !bus.interface()->isServiceRegistered(QStringLiteral("org.a11y.Bus")))
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(
        QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
        QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.a11y.Status") << QStringLiteral("ScreenReaderEnabled");
    const QDBusMessage reply = bus.call(get, QDBus::Block, 1000);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) return false;
    return reply.arguments().first().value<QDBusVariant>().variant().toBool();
}
