// The program's own help window, for desktops without a handler for HTML.
#include "app/ui/HelpWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextBrowser>

#include "app/ui/HelpBrowser.h"

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
    EXPECT_EQ(window.Browser->accessibleName(), "Manual") << "what a screen reader calls the page";

    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(window.Browser, &down);
    EXPECT_TRUE(window.isVisible()) << "other keys stay with the page";
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(window.Browser, &escape);
    EXPECT_FALSE(window.isVisible());
}

// In a window narrowed by a large scale factor the manual never scrolls
// sideways: its pictures shrink to the page's width (and take their own
// size again when the window is wide enough), tables keep within the page,
// long lines of a file wrap.
TEST(HelpWindow, TheManualFitsTheWindowsWidth) {
    test::TempFolder folder;
    QImage picture(1000, 300, QImage::Format_RGB32);
    picture.fill(Qt::darkGreen);
    ASSERT_TRUE(picture.save(QString::fromStdString(folder.File("wide.png"))));
    // What the manual's style sheet and page hold: a margin around the page,
    // a table as wide as the page, a line of a file that may not be broken.
    folder.Write("manual.css", "body { margin: 16px; }");
    std::string longLine = "key";
    for (int word = 0; word < 30; ++word) longLine += " AD09";
    folder.Write(
        "manual.html",
        "<html><head><link rel=\"stylesheet\" type=\"text/css\" "
        "href=\"manual.css\"></head><body><p>Before.</p>"
        "<p><img src=\"wide.png\"></p><table width=\"100%\" border=\"1\"><tr><td>cell</td></tr></table>"
        "<pre>" +
            longLine + "</pre></body></html>");
    HelpWindow window;
    window.ShowFile(QString::fromStdString(folder.File("manual.html")));
    window.resize(500, 400);
    QApplication::processEvents();
    EXPECT_EQ(window.Browser->horizontalScrollBar()->maximum(), 0) << "no sideways scrolling";
    EXPECT_GT(window.Browser->document()->idealWidth(), 300) << "the picture is still there";
    EXPECT_TRUE(window.Browser->toPlainText().contains(QString::fromStdString(longLine)))
        << "the long line is shown whole, over several lines of the page";

    window.resize(1200, 400);
    QApplication::processEvents();
    EXPECT_GE(window.Browser->document()->idealWidth(), 1000) << "the picture's own width";
}

}  // namespace
}  // namespace zq
