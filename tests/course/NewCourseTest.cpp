// The logic of the window that makes a course for one of the computer's
// keyboard layouts: which layouts it offers, the search, the making under a
// free name, and Cancel while a course is made.
#include "course/NewCourse.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <optional>

#include "../support/TempFolder.h"
#include "../templates/FakeKeyPainter.h"
#include "base/CodePage.h"
#include "base/Translation.h"
#include "course/CourseMaker.h"
#include "course/LayoutDescriptionTranslation.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class FakeNewCourseView : public NewCourseView {
public:
    void ShowLayouts(const std::vector<std::string>& shown, int selectedLine) override {
        lines = shown;
        selected = selectedLine;
    }
    int SelectedLayout() const override { return selected; }
    void SetMaking(bool now) override {
        making = now;
        makingSeen = makingSeen || now;
    }
    void ShowProgress(int percent) override {
        progress.push_back(percent);
        if (whileMaking) whileMaking(percent);
    }
    void ErrorMessage(std::string_view utf8) override { errors.emplace_back(utf8); }
    void CloseDialog(bool made) override { closed = made; }
    bool ComesBefore(std::string_view a, std::string_view b) const override { return order(a, b); }

    std::vector<std::string> lines;
    int selected = -1;
    bool making = false;
    bool makingSeen = false;
    std::vector<int> progress;
    std::function<void(int percent)> whileMaking;  // what the learner does meanwhile
    std::vector<std::string> errors;
    std::optional<bool> closed;
    std::function<bool(std::string_view, std::string_view)> order = std::less<std::string_view>();
};

RegistryLayout Layout(std::string layout, std::string variant, std::string description,
                      std::string language) {
    return {std::move(layout), std::move(variant), std::move(description), {language}, {}, language};
}

class NewCourseTest : public ::testing::Test {
protected:
    NewCourseTest() {
        SetSystemCodePage(1252);
        // No dictionary of the machine's: the courses drill letter groups, quickly.
        maker.SetDictionaryFolders({{folder.File("none")}, folder.File("none"), folder.File("none")});
    }

    NewCourseChooser Chooser(std::vector<std::string> taken = {}) {
        return NewCourseChooser(view, maker, folder.File("Courses"), std::move(taken));
    }

    TempFolder folder;
    testing::FakeKeyPainter painter;
    CourseMaker maker{{Layout("us", "dvorak", "English (Dvorak)", "eng"), Layout("am", "", "Armenian", "hye"),
                       Layout("pl", "", "Polish", "pol"), Layout("ge", "ru", "Russian (Georgia)", "rus"),
                       Layout("us", "colemak", "English (Colemak)", "eng"),
                       Layout("gr", "polytonic", "Greek (polytonic)", "ell"),
                       Layout("pl", "dvorak", "Polish (Dvorak)", "pol"), Layout("kz", "", "Kazakh", "kaz")},
                      painter};
    FakeNewCourseView view;
};

TEST_F(NewCourseTest, OffersTheLayoutsWhoseLanguageHasACodePageByTheirDescriptions) {
    NewCourseChooser chooser = Chooser();
    chooser.Start();
    EXPECT_THAT(view.lines, ElementsAre("English (Colemak) (us(colemak))", "English (Dvorak) (us(dvorak))",
                                        "Greek (polytonic) (gr(polytonic))", "Kazakh (kz)", "Polish (pl)",
                                        "Polish (Dvorak) (pl(dvorak))", "Russian (Georgia) (ge(ru))"))
        << "Armenian has no code page; a layout comes before its variants";
    EXPECT_EQ(view.selected, 0);
}

// The window knows its language's alphabet; layouts described alike come
// in the order of their names.
TEST_F(NewCourseTest, ListsTheLayoutsInTheWindowsOrderOfTheirDescriptions) {
    CourseMaker alike({Layout("pl", "", "Polish", "pol"), Layout("us", "dvorak", "Dvorak", "eng"),
                       Layout("pl", "dvorak", "Dvorak", "pol"), Layout("lv", "", "\xC5\x81otewski", "lav")},
                      painter);
    view.order = [](std::string_view a, std::string_view b) {
        const auto key = [](std::string_view text) {
            return text.starts_with("\xC5\x81") ? "L~" : std::string(text);
        };
        return key(a) < key(b);
    };
    NewCourseChooser chooser(view, alike, folder.File("Courses"), {});
    chooser.Start();
    EXPECT_THAT(view.lines, ElementsAre("Dvorak (pl(dvorak))", "Dvorak (us(dvorak))", "\xC5\x81otewski (lv)",
                                        "Polish (pl)"));
}

TEST_F(NewCourseTest, TheSearchNarrowsTheListWhateverTheLetterCase) {
    NewCourseChooser chooser = Chooser();
    chooser.Start();
    chooser.SearchChanged("DVORAK");
    EXPECT_THAT(view.lines, ElementsAre("English (Dvorak) (us(dvorak))", "Polish (Dvorak) (pl(dvorak))"));
    chooser.SearchChanged("(pl)");
    EXPECT_THAT(view.lines, ElementsAre("Polish (pl)"));
    chooser.SearchChanged("Pol");
    EXPECT_THAT(view.lines, ElementsAre("Polish (pl)", "Polish (Dvorak) (pl(dvorak))",
                                        "Greek (polytonic) (gr(polytonic))"))
        << "the descriptions that begin with the text first";
    EXPECT_EQ(view.selected, 0);
    chooser.SearchChanged("klingon");
    EXPECT_THAT(view.lines, IsEmpty());
    EXPECT_EQ(view.selected, -1);
    chooser.MakeClick();
    EXPECT_THAT(view.errors, ElementsAre("Please choose a keyboard layout."));
    EXPECT_FALSE(view.makingSeen);
}

// "de" is in "(no dead keys)" of many layouts: the layout of that code, and
// then its variants, come before them.
TEST(NewCourseSearchTest, ALayoutsCodeTypedWholeFindsThatLayoutFirst) {
    TempFolder folder;
    testing::FakeKeyPainter painter;
    CourseMaker maker({Layout("be", "nodeadkeys", "Belgian (no dead keys)", "nld"),
                       Layout("dk", "nodeadkeys", "Danish (no dead keys)", "dan"),
                       Layout("de", "nodeadkeys", "German (no dead keys)", "deu"),
                       Layout("de", "", "German", "deu"), Layout("ch", "", "German (Switzerland)", "deu")},
                      painter);
    FakeNewCourseView view;
    NewCourseChooser chooser(view, maker, folder.File("Courses"), {});
    chooser.Start();
    chooser.SearchChanged("DE");
    EXPECT_THAT(view.lines, ElementsAre("German (de)", "German (no dead keys) (de(nodeadkeys))",
                                        "Belgian (no dead keys) (be(nodeadkeys))",
                                        "Danish (no dead keys) (dk(nodeadkeys))"));
    EXPECT_EQ(view.selected, 0);
    chooser.SearchChanged("de(nodeadkeys)");
    EXPECT_THAT(view.lines, ElementsAre("German (no dead keys) (de(nodeadkeys))"));
}

// In German windows the layouts read as the system's XKB data translates
// them, and are found by those names as well as by the English ones; in
// windows that stay English (no catalogue of the program's texts for French
// here) they stay English though the XKB data has French names.
class NewCourseInTheWindowsLanguageTest : public NewCourseTest {
protected:
    NewCourseInTheWindowsLanguageTest() { BindLayoutDescriptions(ZQ_TEST_LOCALE_DIR); }
    ~NewCourseInTheWindowsLanguageTest() override {
        SetupTranslation(ZQ_TEST_LOCALE_DIR, "C");
        BindLayoutDescriptions("/usr/share/locale");
    }
};

TEST_F(NewCourseInTheWindowsLanguageTest, ListsAndFindsTheLayoutsByTheirTranslatedDescriptions) {
    CourseMaker few({Layout("de", "", "German", "deu"), Layout("pl", "", "Polish", "pol"),
                     Layout("gr", "polytonic", "Greek (polytonic)", "ell"),
                     Layout("us", "dvorak", "English (Dvorak)", "eng")},
                    painter);
    SetupTranslation(ZQ_TEST_LOCALE_DIR, "de_DE");
    NewCourseChooser chooser(view, few, folder.File("Courses"), {});
    chooser.Start();
    EXPECT_THAT(view.lines, ElementsAre("Deutsch (de)", "English (Dvorak) (us(dvorak))",
                                        "Griechisch (polytonisch) (gr(polytonic))", "Polnisch (pl)"))
        << "by the names shown; a description without translation stays English";
    chooser.SearchChanged("deutsch");
    EXPECT_THAT(view.lines, ElementsAre("Deutsch (de)"));
    chooser.SearchChanged("german");
    EXPECT_THAT(view.lines, ElementsAre("Deutsch (de)"));
    chooser.SearchChanged("POLN");
    EXPECT_THAT(view.lines, ElementsAre("Polnisch (pl)"));

    SetupTranslation(ZQ_TEST_LOCALE_DIR, "fr_FR");
    NewCourseChooser english(view, few, folder.File("Courses"), {});
    english.Start();
    EXPECT_EQ(view.lines.front(), "English (Dvorak) (us(dvorak))");
    english.SearchChanged("allemand");
    EXPECT_THAT(view.lines, IsEmpty());
}

TEST_F(NewCourseTest, MakesTheChosenLayoutsCourseUnderANameNoCourseHasAndCloses) {
    std::filesystem::create_directories(folder /
                                        "Courses/English (Dvorak) 2");  // made before, in this folder
    NewCourseChooser chooser = Chooser({"English (Dvorak)"});           // a shipped course's name
    chooser.Start();
    chooser.SearchChanged("dvorak");
    chooser.MakeClick();
    EXPECT_EQ(view.closed, true);
    EXPECT_EQ(chooser.MadeCourse(), "English (Dvorak) 3");
    EXPECT_EQ(chooser.MadeLayout(), "us(dvorak)");
    EXPECT_TRUE(std::filesystem::exists(folder / "Courses/English (Dvorak) 3/course.txt"));
    EXPECT_TRUE(view.makingSeen);
    EXPECT_FALSE(view.making);
    ASSERT_FALSE(view.progress.empty());
    EXPECT_EQ(view.progress.back(), 100);
    EXPECT_TRUE(std::is_sorted(view.progress.begin(), view.progress.end()));
    EXPECT_THAT(view.errors, IsEmpty());
}

TEST_F(NewCourseTest, CancelWhileACourseIsMadeStopsItAndLeavesNothingBehind) {
    NewCourseChooser chooser = Chooser();
    chooser.Start();
    view.whileMaking = [&chooser](int percent) {
        if (percent >= 20) chooser.CancelClick();
    };
    chooser.MakeClick();
    EXPECT_FALSE(view.closed.has_value()) << "the window stays for another choice";
    EXPECT_EQ(chooser.MadeCourse(), "");
    EXPECT_FALSE(view.making);
    std::error_code none;
    EXPECT_TRUE(std::filesystem::is_empty(folder / "Courses", none) ||
                !std::filesystem::exists(folder / "Courses"));

    view.whileMaking = nullptr;
    chooser.CancelClick();
    EXPECT_EQ(view.closed, false) << "Cancel with nothing being made closes the window";
}

// A layout whose letters fit no code page (Georgian letters on a layout for
// Russian speakers) is refused with a message that names it.
TEST_F(NewCourseTest, ALayoutWithoutACodePageForItsLettersIsRefusedWithAMessage) {
    NewCourseChooser chooser = Chooser();
    chooser.Start();
    chooser.SearchChanged("Georgia");
    chooser.MakeClick();
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(
        view.errors[0],
        "The letters of Russian (Georgia) fit no code page that the program keeps its texts in: no course "
        "can be made for it.");
    EXPECT_FALSE(view.closed.has_value());
    EXPECT_EQ(chooser.MadeCourse(), "");
}

// Kazakh's code page (1251) lacks letters the Kazakh layout types: the
// layout is refused as one that fits no code page, naming them.
TEST_F(NewCourseTest, ALayoutWhoseCodePageLacksItsLettersIsRefusedNamingThem) {
    NewCourseChooser chooser = Chooser();
    chooser.Start();
    chooser.SearchChanged("Kazakh");
    chooser.MakeClick();
    ASSERT_EQ(view.errors.size(), 1u);
    EXPECT_EQ(view.errors[0],
              "The letters of Kazakh fit no code page that the program keeps its texts in (ә ң ғ ү ұ қ ө һ "
              "do not fit): no course can be made for it.");
    EXPECT_FALSE(view.closed.has_value());
    EXPECT_EQ(chooser.MadeCourse(), "");
}

}  // namespace
}  // namespace zq
