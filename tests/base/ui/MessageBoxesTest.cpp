// Every box of the program is wide enough for the caption its title bar
// shows, so that a window manager does not shorten it ("ZQ T... Tutor").
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QTimer>
#include <functional>
#include <memory>

#include "base/ui/ErrorReportingApplication.h"
#include "base/ui/MessageBoxes.h"

namespace zq {
namespace {

struct ShownBox {
    int width = 0;
    QString caption;
    bool shown = false;
};

// Shows a box through `show`, records it once it is up and closes it.
ShownBox Capture(const std::function<void()>& show) {
    auto shown = std::make_shared<ShownBox>();
    QTimer::singleShot(0, [shown] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            shown->shown = true;
            shown->width = box->width();
            shown->caption = box->windowTitle();
            box->reject();
        }
    });
    show();
    return *shown;
}

int WidthNeededFor(const QString& caption) {
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    return QFontMetrics(titleFont).horizontalAdvance(caption) + 100;
}

TEST(MessageBoxesTest, MessageConfirmationAndErrorBoxesShowTheirCaptionWhole) {
    QApplication::setApplicationDisplayName(QStringLiteral("ZQ Typing Tutor"));
    const std::function<void()> boxes[] = {
        [] { ShowMessageBox(nullptr, QMessageBox::Information, QStringLiteral("Ok.")); },
        [] { ShowMessageBox(nullptr, QMessageBox::NoIcon, QStringLiteral("No.")); },
        [] { AskYesNo(nullptr, QStringLiteral("Exit?")); },
        [] { ErrorReportingApplication::ReportError(QStringLiteral("Oops.")); },
    };
    for (const auto& show : boxes) {
        const ShownBox box = Capture(show);
        ASSERT_TRUE(box.shown) << "no box was shown";
        EXPECT_EQ(box.caption, "ZQ Typing Tutor");
        EXPECT_GE(box.width, WidthNeededFor(box.caption));
    }
}

TEST(MessageBoxesTest, TheInputBoxMakesRoomForItsOwnCaptionAndTheApplicationsName) {
    QApplication::setApplicationDisplayName(QStringLiteral("ZQ Typing Tutor"));
    const ShownBox box = Capture([] { AskText(nullptr, "Input Box", "Letters:", "qwerty"); });
    ASSERT_TRUE(box.shown);
    EXPECT_GE(box.width, WidthNeededFor(QString::fromUtf8("Input Box \u2014 ZQ Typing Tutor")));
}

TEST(MessageBoxesTest, AConfirmationAnswersYesOnlyForYes) {
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(AskYesNo(nullptr, QStringLiteral("Go on?")));
    QTimer::singleShot(0, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            box->button(QMessageBox::No)->click();
    });
    EXPECT_FALSE(AskYesNo(nullptr, QStringLiteral("Go on?")));
}

}  // namespace
}  // namespace zq
