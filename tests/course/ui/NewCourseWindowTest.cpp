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
#include "base/Translation.h"
#include "course/Course.h"
#include "course/LayoutDescriptionTranslation.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using test::TempFolder;

int RowOf(const QListWidget& list, const QString& text) {
    const QList<QListWidgetItem*> found = list.findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? -1 : list.row(found.front());
}

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

// The list follows the alphabet of the windows' language: in Polish "Ł" is
// the letter after "L", where the order of the bytes would put it after
// "Z".
TEST(NewCourseWindowTest, TheLayoutsAreListedInTheAlphabeticalOrderOfTheWindowsLanguage) {
    SetSystemCodePage(1250);
    SetupTranslation(ZQ_TEST_LOCALE_DIR, "pl_PL");
    BindLayoutDescriptions(ZQ_TEST_LOCALE_DIR);
    TempFolder folder;
    NewCourseWindow window(folder.File("Courses"), {});
    const int lithuanian = RowOf(*window.LayoutsLst, QStringLiteral("Litewski (lt)"));
    const int latvian = RowOf(*window.LayoutsLst, QString::fromUtf8("\xC5\x81otewski (lv)"));
    const int macedonian = RowOf(*window.LayoutsLst, QString::fromUtf8("Macedo\xC5\x84ski (mk)"));
    SetupTranslation(ZQ_TEST_LOCALE_DIR, "C");
    BindLayoutDescriptions("/usr/share/locale");

    ASSERT_GE(lithuanian, 0);
    ASSERT_GE(latvian, 0);
    ASSERT_GE(macedonian, 0);
    EXPECT_LT(lithuanian, latvian);
    EXPECT_LT(latvian, macedonian);
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
