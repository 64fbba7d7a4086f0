#include "frontend/wording.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

#include "core/GameState.h"
#include "story/counterpart.h"
#include "ui/language.h"

namespace {

class Retelling : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A window hands the event on to each of its children; the window retells them all.
        auto* window = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::LanguageChange && window && window->isWindow())
            Retell(*window);
        return false;
    }

  private:
    static void Retell(QWidget& window) {
        const auto retold = [](const QString& shown, const auto& put) {
            if (auto text = story::Counterpart(shown, ui::CurrentLanguage(), GameState.familyName,
                                               GameState.givenName))
                put(*text);
        };
        retold(window.windowTitle(), [&](const QString& t) { window.setWindowTitle(t); });
        for (QWidget* control : window.findChildren<QWidget*>()) {
            if (control->isWindow()) continue;  // told on its own
            if (auto* label = qobject_cast<QLabel*>(control))
                retold(label->text(), [&](const QString& t) { label->setText(t); });
            if (auto* button = qobject_cast<QAbstractButton*>(control))
                retold(button->text(), [&](const QString& t) { button->setText(t); });
            retold(control->toolTip(), [&](const QString& t) { control->setToolTip(t); });
            retold(control->accessibleName(),
                   [&](const QString& t) { control->setAccessibleName(t); });
        }
    }
};

}  // namespace

void RetellWindowsOnLanguageChange() {
    static Retelling* retelling = nullptr;
    if (retelling) return;
    retelling = new Retelling;
    retelling->setParent(qApp);
    qApp->installEventFilter(retelling);
}
