#include "base/ui/NoticeLabel.h"

#include <QAccessibleWidget>

namespace zq {
namespace {

// A notification whose name is the label's text.
class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return static_cast<QLabel*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* MakeNoticeAccessible(const QString& /*className*/, QObject* object) {
    auto* label = qobject_cast<NoticeLabel*>(object);
    return label != nullptr ? new NoticeAccessible(label) : nullptr;
}

}  // namespace

NoticeLabel::NoticeLabel(QWidget* parent) : QLabel(parent) {
    static const bool installed = [] {
        QAccessible::installFactory(&MakeNoticeAccessible);
        return true;
    }();
    (void)installed;
}

void NoticeLabel::Announce(const QString& text) {
    setText(text);
    if (text.isEmpty() || !QAccessible::isActive()) return;
    // Qt 6.4 has no announcement event; a notification that shows is what
    // screen readers speak.
    QAccessibleEvent shown(this, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

}  // namespace zq
