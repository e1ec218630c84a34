#include "widgets/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace tempiro::widgets {

namespace {

const char* const kRoleProperty = "tempiroAccessibleRole";

class RoleAccessible final : public QAccessibleWidget {
public:
    RoleAccessible(QWidget* widget, QAccessible::Role role)
        : QAccessibleWidget(widget, role) {}
    QString text(QAccessible::Text kind) const override {
        const auto* label = qobject_cast<const QLabel*>(widget());
        if (kind == QAccessible::Name && label && widget()->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* roleAccessible(const QString&, QObject* object) {
    if (!object || !object->isWidgetType())
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    if (!role.isValid())
        return nullptr;
    return new RoleAccessible(static_cast<QWidget*>(object),
                              static_cast<QAccessible::Role>(role.toInt()));
}

} // namespace

void setAccessibleRole(QWidget& widget, QAccessible::Role role) {
    static const bool installed = (QAccessible::installFactory(roleAccessible), true);
    Q_UNUSED(installed);
    widget.setProperty(kRoleProperty, static_cast<int>(role));
}

} // namespace tempiro::widgets
