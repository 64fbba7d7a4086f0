#include "ui/accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace ui {

namespace {

// Never shown to the eye, not even with its window; to a screen reader, a notification that
// shows with each piece of the window's news.
class Notice : public QWidget {
    Q_OBJECT

  public:
    explicit Notice(QWidget* window) : QWidget(window) { hide(); }
    QString news;
};

class NoticeInterface : public QAccessibleWidget {
  public:
    explicit NoticeInterface(Notice* notice)
        : QAccessibleWidget(notice, QAccessible::Notification) {}
    QString text(QAccessible::Text which) const override {
        if (which == QAccessible::Name) return static_cast<Notice*>(widget())->news;
        return QAccessibleWidget::text(which);
    }
};

QAccessibleInterface* NoticeFactory(const QString&, QObject* object) {
    auto* notice = qobject_cast<Notice*>(object);
    return notice ? new NoticeInterface(notice) : nullptr;
}

}  // namespace

void Describe(QWidget* control, const QString& name, const QString& description) {
    if (!name.isEmpty()) control->setAccessibleName(name);
    control->setAccessibleDescription(description);
}

void Announce(QWidget* control, const QString& text) {
    // The last factory installed is asked first, and the widgets' own is installed with the
    // application, which exists by the first piece of news. It is installed before the first
    // notice is made, so that no plain interface of a notice is ever cached.
    [[maybe_unused]] static const bool installed =
        (QAccessible::installFactory(NoticeFactory), true);
    QWidget* window = control->window();
    auto* notice = window->findChild<Notice*>(QString(), Qt::FindDirectChildrenOnly);
    if (!notice) notice = new Notice(window);
    // Shown again even when the text stays the same: the same line twice is still news.
    notice->news = text;
    QAccessibleEvent shown(notice, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace ui

#include "accessible.moc"
