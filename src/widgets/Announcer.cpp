#include "widgets/Announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>

namespace tempiro::widgets {

namespace {

class AnnouncerAccessible final : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer)
        : QAccessibleWidget(announcer, QAccessible::Notification) {}
    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name)
            return static_cast<const Announcer*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* announcerAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String("tempiro::widgets::Announcer"))
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    return nullptr;
}

} // namespace

Announcer::Announcer(QWidget* parent)
    : QWidget(parent) {
    static const bool installed = (QAccessible::installFactory(announcerAccessible), true);
    Q_UNUSED(installed);
    setObjectName(QStringLiteral("announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    hide();
    m_spent.setSingleShot(true);
    connect(&m_spent, &QTimer::timeout, this, &QWidget::hide);
}

Announcer& Announcer::in(QWidget& window) {
    if (auto* made = window.findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly))
        return *made;
    return *new Announcer(&window);
}

void Announcer::announce(const QString& text) {
    // Each text is a new appearance, which the reader speaks even when it repeats the last.
    hide();
    if (text != m_text) {
        m_text = text;
        // Said while hidden, so that a reader's cached name is the new one when it is shown.
        QAccessibleEvent renamed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
    show();
    m_spent.start(kShownMilliseconds);
}

} // namespace tempiro::widgets
