// The label whose texts screen readers speak, and the role a plain widget
// is given for them.
#include "base/ui/NoticeLabel.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QWidget>

#include "base/ui/AccessibleRole.h"

namespace zq {
namespace {

TEST(NoticeLabelTest, IsANotificationNamedByTheTextItShows) {
    NoticeLabel label;
    QAccessibleInterface* notice = QAccessible::queryAccessibleInterface(&label);
    ASSERT_NE(notice, nullptr);
    EXPECT_EQ(notice->role(), QAccessible::Notification);

    label.Announce(QStringLiteral("Keys/Min: 120   Accuracy: 98%   WPM: 24"));
    EXPECT_EQ(label.text(), QStringLiteral("Keys/Min: 120   Accuracy: 98%   WPM: 24"));
    EXPECT_EQ(notice->text(QAccessible::Name), QStringLiteral("Keys/Min: 120   Accuracy: 98%   WPM: 24"));
    label.Announce(QString());
    EXPECT_EQ(notice->text(QAccessible::Name), QString());
}

TEST(AccessibleRoleTest, APlainTopLevelWidgetBecomesAWindowNamedByItsTitle) {
    QWidget plain;
    plain.setWindowTitle(QStringLiteral("Plain"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&plain)->role(), QAccessible::Client);

    QWidget window;
    SetAccessibleRole(window, QAccessible::Window);
    window.setWindowTitle(QStringLiteral("ZQ Typing Tutor"));
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(&window);
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), QStringLiteral("ZQ Typing Tutor"));
}

}  // namespace
}  // namespace zq
