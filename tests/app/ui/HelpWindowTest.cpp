// The program's own help window, for desktops without a handler for HTML.
#include "app/ui/HelpWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>

#include "support/TempFolder.h"

namespace zq {
namespace {

TEST(HelpWindow, ShowsTheManualAndEscapeClosesIt) {
    test::TempFolder folder;
    folder.Write("manual.html", "<html><body><h1>Typing</h1><p>Hands on the home row.</p></body></html>");
    HelpWindow window;
    window.ShowFile(QString::fromStdString(folder.File("manual.html")));
    ASSERT_TRUE(window.isVisible());
    EXPECT_TRUE(window.Browser->toPlainText().contains("Hands on the home row."));

    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(window.Browser, &down);
    EXPECT_TRUE(window.isVisible()) << "other keys stay with the page";
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window.Browser, &escape);
    EXPECT_FALSE(window.isVisible());
}

}  // namespace
}  // namespace zq
