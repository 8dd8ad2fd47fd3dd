// The window that makes a course for one of the computer's keyboard layouts,
// on Qt's offscreen platform, used as a learner would: a search, a choice, a
// course made into the folder it was given.
#include "course/ui/NewCourseWindow.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <filesystem>

#include "base/CodePage.h"
#include "course/Course.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using test::TempFolder;

TEST(NewCourseWindowTest, ASearchedLayoutsCourseIsMadeIntoTheGivenFolder) {
    SetSystemCodePage(1252);
    TempFolder folder;
    NewCourseWindow window(folder.File("Courses"), {"English"});
    window.show();
    EXPECT_GT(window.LayoutsLst->count(), 100) << "the computer's layouts whose language has a code page";
    EXPECT_FALSE(window.MakingBar->isVisible());

    window.SearchEd->setText(QStringLiteral("(us(DVORAK))"));
    ASSERT_EQ(window.LayoutsLst->count(), 1);
    EXPECT_EQ(window.LayoutsLst->item(0)->text(), QStringLiteral("English (Dvorak) (us(dvorak))"));
    EXPECT_EQ(window.LayoutsLst->currentRow(), 0);

    // The bar shows while the course is made, and the window closes after.
    bool barSeen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] { barSeen = barSeen || window.MakingBar->isVisible(); });
    watch.start(1);
    window.MakeBn->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(barSeen);
    EXPECT_EQ(window.MadeCourse(), "English (Dvorak)");
    const Course made(folder.Dir(), "English (Dvorak)");
    EXPECT_TRUE(std::filesystem::exists(made.CoursePath()));
    EXPECT_EQ(made.Layout(), "us(dvorak)");
}

TEST(NewCourseWindowTest, CancelClosesTheWindowWithNothingMade) {
    TempFolder folder;
    NewCourseWindow window(folder.File("Courses"), {});
    window.show();
    window.CancelBn->click();
    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(window.MadeCourse(), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "Courses"));
}

}  // namespace
}  // namespace zq
