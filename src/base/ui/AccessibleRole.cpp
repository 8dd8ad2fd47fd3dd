#include "base/ui/AccessibleRole.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace zq {
namespace {

constexpr const char* kRoleProperty = "zqAccessibleRole";

QAccessibleInterface* MakeWidgetWithRole(const QString& /*className*/, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr) return nullptr;
    const QVariant role = widget->property(kRoleProperty);
    if (!role.isValid()) return nullptr;
    return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
}

}  // namespace

void SetAccessibleRole(QWidget& widget, QAccessible::Role role) {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeWidgetWithRole);
        return true;
    }();
    (void)installed;
    widget.setProperty(kRoleProperty, static_cast<int>(role));
}

}  // namespace zq
