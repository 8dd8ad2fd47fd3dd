#include "app/TZQMainFm.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <malloc.h>

#include <filesystem>

#include "../support/SmallDisk.h"
#include "../support/TempFolder.h"
#include "AppFakes.h"
#include "app/TSettings.h"
#include "base/IniFile.h"
#include "base/LibraryError.h"
#include "game/TGameSettings.h"
#include "profile/EasyReading.h"
#include "profile/ProfileStore.h"
#include "stats/GameHistory.h"
#include "stats/HistoryStore.h"
#include "stats/LocalDay.h"
#include "stats/PracticeHistory.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::ElementsAre;
using testing::FakeDrillWindow;
using testing::FakeLayoutBackend;
using ::testing::HasSubstr;
using testing::MainFormRig;

constexpr std::int32_t kHour = 3600000;

// A program folder with the courses "English" and "Deutsch", sound cues, and
// Maria's profile, stored in its "zqc.ini".
class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() {
        profile.UserName = "Maria";
        profile.Course = "English";
        profile.KeyboardLayout = "00000409";
        profile.BgColor = 65535;
        profile.PracticeFont.Name = "Practice Mono";
        profile.TextFont.Name = "Text Serif";
        profile.DrillSoundEnabled = true;
        profile.GameSoundEnabled = true;
        store.Attach(profile);
    }

    // The folder's files, there before the main window reads them.
    static bool WriteProgramFiles(const TempFolder& folder) {
        std::filesystem::create_directories(folder / "Courses/English");
        std::filesystem::create_directories(folder / "Courses/Deutsch");
        std::filesystem::create_directories(folder / "media");
        folder.Write("Courses/English/course.txt", "asdf jkl\nfdsa lkj\nsad lad\n");
        folder.Write("Courses/English/Practice.txt", "a lad asks\n");
        folder.Write("Courses/Deutsch/course.txt", "ein Hund\n");
        folder.Write(
            "media/media.ini",
            "[wav]\nword_err=err.wav\nword_ok=ok.wav\nGame_CityHurt=hurt.wav\n"
            "Game_CityShoot=shoot.wav\nGame_CityMissShoot=miss.wav\nGame_DifficultyIncrease=up.wav\n");
        return true;
    }

    void LogOn() {
        form.SetKeyboardAgent(&agent);
        form.AttachProfile(profile);
        rig.log.clear();
    }

    std::string Media(const std::string& file) const { return folder.Dir() + "media/" + file; }

    std::string CoursePath(const std::string& course, const std::string& file) const {
        return folder.Dir() + "Courses/" + course + "/" + file;
    }

    // Types the drill's line without a fault, `msPerKey` apart, and the key
    // that ends it.
    void TypeLine(FakeDrillWindow& window, std::int64_t msPerKey) {
        TFmLinePractice& drill = window.Drill();
        for (char ch : drill.Sample() + " ") {
            rig.drills.clock.now += msPerKey;
            auto key = static_cast<unsigned char>(ch);
            drill.InputEditKeyPress(key);
        }
    }

    // Practises in the drill for `milliseconds`: its first character, and
    // that much later Escape. The free drill is given letters first, the
    // paragraph drill a text.
    void PractiseFor(FakeDrillWindow& window, std::int64_t milliseconds) {
        TFmLinePractice& drill = window.Drill();
        if (window.Shown().kind == DrillKind::Free) {
            window.view.answers.push_back("fj");
            drill.InputEditKeyDown(VK_INSERT);
        } else if (window.Shown().kind == DrillKind::Paragraph) {
            window.longView.clipboard = "some text";
            window.TextDrill()->PasteText();
        }
        auto first = static_cast<unsigned char>(drill.Sample().at(0));
        drill.InputEditKeyPress(first);
        rig.drills.clock.now += milliseconds;
        unsigned char escape = kEscape;
        drill.InputEditKeyPress(escape);
    }

    TempFolder folder;
    const bool filesWritten = WriteProgramFiles(folder);
    TSettings settings{folder.Dir()};
    ProfileStore store{folder.File("zqc.ini")};
    TProfile profile;
    MainFormRig rig;
    TKeyboardLayoutAgent agent{std::make_unique<FakeLayoutBackend>()};
    TZQMainFm form{rig.Parts(), settings};
};

TEST_F(MainFormTest, AttachingPreparesTheGuidanceFromTheCourseTemplateThenTheLayout) {
    profile.Blinking = true;
    form.SetKeyboardAgent(&agent);
    form.AttachProfile(profile);
    EXPECT_THAT(rig.log,
                ElementsAre("CreateGuidance blinking=1",
                            "PrepareGuidance " + CoursePath("English", "layout.zqt"), "DisableKeyArea"));
    EXPECT_TRUE(rig.view.plainBoxes.empty());
}

TEST_F(MainFormTest, ALayoutTheSystemCannotActivateIsReportedOnceWithItsIdentifier) {
    profile.KeyboardLayout = "00000411";
    form.SetKeyboardAgent(&agent);
    form.AttachProfile(profile);
    EXPECT_THAT(rig.view.plainBoxes, ElementsAre("00000411 layout could not be activated."));
    EXPECT_THAT(rig.log,
                ElementsAre("CreateGuidance blinking=0", ::testing::_, "PlainBox", "DisableKeyArea"));
}

TEST_F(MainFormTest, WhatTheSystemSaysAboutAnActivatedLayoutIsShownAfterTheActivation) {
    auto backend = std::make_unique<FakeLayoutBackend>();
    backend->notice = "Keys are read as on the French layout.";
    TKeyboardLayoutAgent telling{std::move(backend)};
    profile.KeyboardLayout = "0000040C";
    form.SetKeyboardAgent(&telling);
    form.AttachProfile(profile);
    EXPECT_THAT(rig.view.informations, ElementsAre("Keys are read as on the French layout."));
    EXPECT_TRUE(rig.view.plainBoxes.empty());
    EXPECT_THAT(rig.log,
                ElementsAre("CreateGuidance blinking=0", ::testing::_, "Information", "DisableKeyArea"));
}

TEST_F(MainFormTest, ShowingSizesTheWindowByTheFullScreenSwitchAndColorsIt) {
    LogOn();
    form.FormShow();
    profile.FullScreen = true;
    profile.BgColor = 255;
    form.FormShow();
    EXPECT_THAT(rig.log, ElementsAre("FitToControls", "Colour 65535", "FillScreen", "Colour 255"));
}

TEST_F(MainFormTest, TheCourseDrillStartsAtTheProfilesProgressAndStoresWhereItEnded) {
    profile.Progress = 1;
    LogOn();
    std::int32_t timeOfTheLine = 0;
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        EXPECT_EQ(window.Drill().Sample(), "fdsa lkj");
        TypeLine(window, 200);
        timeOfTheLine = window.Drill().PracticeTime();
    };
    form.StartCourse();

    ASSERT_EQ(rig.drills.shown.size(), 1u);
    EXPECT_EQ(rig.drills.shown[0].kind, DrillKind::Course);
    EXPECT_EQ(rig.drills.shown[0].sample, "fdsa lkj") << "the second line of the English course.txt";
    EXPECT_EQ(rig.drills.shown[0].position, 1);
    EXPECT_EQ(profile.Progress, 2);
    EXPECT_EQ(timeOfTheLine, 8 * 200);
    EXPECT_EQ(form.RunPracticeTime(), timeOfTheLine);
    EXPECT_THAT(rig.log, ElementsAre("CreateDrill", "ShowDrill", "FreeDrill"));
}

// A run that is killed keeps every line it ended: the line reached and the
// practice time reach the profile file while the drill is still open.
TEST_F(MainFormTest, EveryEndedLineStoresTheLineReachedAndThePracticeTimeAtOnce) {
    profile.TimeTotal = kHour;
    LogOn();
    std::vector<std::pair<std::string, std::string>> storedAfterLines;  // Progress and TimeTotal
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        for (int line = 0; line < 2; ++line) {
            TypeLine(window, 100);
            const IniFile stored(folder.File("zqc.ini"));
            storedAfterLines.emplace_back(stored.ReadString("Maria", "Progress", ""),
                                          stored.ReadString("Maria", "TimeTotal", ""));
        }
    };
    form.StartCourse();
    EXPECT_THAT(storedAfterLines, ElementsAre(std::pair("1", std::to_string(kHour + 800)),
                                              std::pair("2", std::to_string(kHour + 1600))));
    EXPECT_EQ(profile.TimeTotal, kHour + 1600);

    // The time of a line left with Escape counts as well.
    rig.drills.whileShown = [&](FakeDrillWindow& window) { PractiseFor(window, 3000); };
    form.StartSentenceDrill();
    EXPECT_EQ(IniFile(folder.File("zqc.ini")).ReadInteger("Maria", "TimeTotal", 0), kHour + 4600);

    // Closing adds nothing more: the run's time is in the total already.
    form.FormClose();
    EXPECT_THAT(rig.view.informations,
                ElementsAre("Maria: The practice time is 0 h 0 m 4 s, total practice time is 1 h 0 m 4 s."));
    EXPECT_EQ(IniFile(folder.File("zqc.ini")).ReadInteger("Maria", "TimeTotal", 0), kHour + 4600);
}

// Only what a drill changes is stored as it goes; the settings of the
// profile dialog reach the file when the run ends, as before.
TEST_F(MainFormTest, ALineStoresNothingButItsProgressAndTime) {
    LogOn();
    profile.BgColor = 255;  // applied in the profile dialog
    rig.drills.whileShown = [&](FakeDrillWindow& window) { TypeLine(window, 100); };
    form.StartCourse();
    const IniFile stored(folder.File("zqc.ini"));
    EXPECT_EQ(stored.ReadInteger("Maria", "Progress", 0), 1);
    EXPECT_FALSE(stored.ValueExists("Maria", "BgColor"));
}

TEST_F(MainFormTest, ADrillLeftWithoutAKeyWritesNoFile) {
    LogOn();
    form.StartCourse();
    form.StartFreeDrill();
    EXPECT_FALSE(std::filesystem::exists(folder / "zqc.ini"));
}

// A store that fails while the learner types says nothing then: closing
// stores the profile again and tells.
TEST_F(MainFormTest, AStoreThatFailsAfterALineInterruptsNobody) {
    std::filesystem::create_directories(folder / "zqc.ini");  // cannot be written
    LogOn();
    rig.drills.whileShown = [&](FakeDrillWindow& window) { TypeLine(window, 100); };
    form.StartCourse();
    EXPECT_EQ(profile.Progress, 1);
    EXPECT_THAT(rig.view.informations, ::testing::IsEmpty());
    EXPECT_THAT(rig.log, ElementsAre("CreateDrill", "ShowDrill", "FreeDrill"));
}

TEST_F(MainFormTest, EveryDrillTakesTheProfilesFontColorAndSwitchesAndTheWindowFontOfTheSettings) {
    profile.PopupAtEnd = true;
    profile.HighLight = true;
    settings.FontName = "Window Sans";
    settings.FontCharset = 204;
    LogOn();
    form.StartCourse();
    form.StartSentenceDrill();
    form.StartFreeDrill();
    form.StartParagraphDrill();

    ASSERT_EQ(rig.drills.shown.size(), 4u);
    const DrillKind kinds[] = {DrillKind::Course, DrillKind::Sentence, DrillKind::Free, DrillKind::Paragraph};
    for (std::size_t i = 0; i < 4; ++i) {
        const testing::ShownDrill& shown = rig.drills.shown[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(shown.kind, kinds[i]);
        EXPECT_EQ(shown.font.Name, i == 3 ? "Text Serif" : "Practice Mono");
        EXPECT_EQ(shown.windowFontName, "Window Sans");
        EXPECT_EQ(shown.windowCharset, 204);
        EXPECT_TRUE(shown.popupAtEnd);
        EXPECT_TRUE(shown.highLight);
        EXPECT_EQ(shown.color, 65535);
    }
    EXPECT_EQ(rig.drills.shown[1].sample, "a lad asks") << "the line of the English Practice.txt";
}

TEST_F(MainFormTest, TheButtonsVanishWhileADrillRunsOnlyWithAFullScreenProfile) {
    LogOn();
    form.StartFreeDrill();
    EXPECT_THAT(rig.log, ElementsAre("CreateDrill", "ShowDrill", "FreeDrill"));

    rig.log.clear();
    profile.FullScreen = true;
    form.StartFreeDrill();
    EXPECT_THAT(rig.log, ElementsAre("CreateDrill", "HideButtons", "ShowDrill", "FreeDrill", "ShowButtons"));
}

TEST_F(MainFormTest, AFileWithoutALineToPractiseIsNamedAndNoDrillOpens) {
    folder.Write("Courses/English/course.txt", "");
    folder.Write("Courses/English/Practice.txt", "   \r\n\t\n  \n");
    profile.FullScreen = true;
    LogOn();
    form.StartCourse();
    form.StartSentenceDrill();

    EXPECT_TRUE(rig.drills.shown.empty());
    EXPECT_THAT(
        rig.view.informations,
        ElementsAre("The file " + CoursePath("English", "course.txt") + " has no lines to practise.",
                    "The file " + CoursePath("English", "Practice.txt") + " has no lines to practise."));
    EXPECT_EQ(profile.Progress, 0);
    EXPECT_THAT(rig.log, ::testing::Not(::testing::Contains("HideButtons")));
}

TEST_F(MainFormTest, AMissingCourseFileFailsWithItsPathAndLeavesTheWindowAsItWas) {
    std::filesystem::create_directories(folder / "Courses/Klingon");
    profile.Course = "Klingon";
    profile.FullScreen = true;
    profile.Progress = 4;
    LogOn();
    try {
        form.StartCourse();
        FAIL() << "a missing course file must fail";
    } catch (const LibraryError& error) {
        EXPECT_THAT(error.what(),
                    HasSubstr("Cannot open file \"" + CoursePath("Klingon", "course.txt") + "\""));
    }
    EXPECT_THROW(form.StartSentenceDrill(), LibraryError);
    EXPECT_TRUE(rig.drills.shown.empty());
    EXPECT_EQ(profile.Progress, 4);
    EXPECT_THAT(rig.log, ElementsAre("CreateDrill", "FreeDrill", "CreateDrill", "FreeDrill"));
}

// A course chosen in the profile dialog counts from the next activity on,
// with its own keyboard template and the line reached in it.
TEST_F(MainFormTest, AChangedCourseTakesEffectAtTheNextDrillWithItsTemplate) {
    profile.Progress = 1;
    LogOn();
    form.StartCourse();
    EXPECT_EQ(rig.drills.shown[0].sample, "fdsa lkj");
    rig.log.clear();

    profile.ChangeCourse("Deutsch");  // the profile dialog's Apply
    form.StartCourse();
    ASSERT_EQ(rig.drills.shown.size(), 2u);
    EXPECT_EQ(rig.drills.shown[1].sample, "ein Hund") << "the first line of the German course.txt";
    EXPECT_EQ(form.CurrentCourse().LayoutPath(), CoursePath("Deutsch", "layout.zqt"));
    EXPECT_THAT(rig.log, ElementsAre("PrepareGuidance " + CoursePath("Deutsch", "layout.zqt"), "CreateDrill",
                                     "ShowDrill", "FreeDrill"));

    rig.log.clear();
    profile.ChangeCourse("English");
    form.StartCourse();
    EXPECT_EQ(rig.drills.shown[2].sample, "fdsa lkj") << "the line reached in English";
    EXPECT_EQ(rig.log.front(), "PrepareGuidance " + CoursePath("English", "layout.zqt"));
    rig.log.clear();
    form.StartSentenceDrill();
    EXPECT_THAT(rig.log, ::testing::Not(::testing::Contains(HasSubstr("PrepareGuidance"))))
        << "the template is read again only for another course";
}

TEST_F(MainFormTest, ACourseThatIsGoneIsNamedAndOnlyDrillsWithoutItsFilesOpen) {
    profile.Course = "Klingon";
    form.SetKeyboardAgent(&agent);
    form.AttachProfile(profile);
    const std::string gone =
        "Your profile names the course Klingon, which is not among the courses of this "
        "computer (" +
        folder.Dir() +
        "Courses/Klingon/): it may have been removed or renamed. Choose a "
        "course under Profile.";
    EXPECT_THAT(rig.view.informations, ElementsAre(gone)) << "said at log-on";
    EXPECT_THAT(rig.log, ::testing::Not(::testing::Contains(HasSubstr("PrepareGuidance"))));
    rig.view.informations.clear();

    form.StartCourse();
    form.StartSentenceDrill();
    form.StartAdaptiveDrill();
    form.StartGame();
    EXPECT_TRUE(rig.drills.shown.empty());
    EXPECT_THAT(rig.view.informations, ElementsAre(gone, gone, gone, gone));
    form.StartFreeDrill();
    ASSERT_EQ(rig.drills.shown.size(), 1u) << "the free drill needs no course file";
}

TEST_F(MainFormTest, ATemplateThatCannotBeReadIsNamedOnce) {
    rig.guidance.templateReads = false;
    LogOn();
    form.StartCourse();
    form.StartFreeDrill();
    EXPECT_THAT(
        rig.view.informations,
        ElementsAre("The keyboard template of the course English (" + CoursePath("English", "layout.zqt") +
                    ") cannot be read: the drills show no on-screen keyboard and no hands, and the game "
                    "and drills go on without them."));
    EXPECT_EQ(rig.drills.shown.size(), 2u);
}

TEST_F(MainFormTest, DrillEventsPlayTheirCues) {
    LogOn();
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        TFmLinePractice& drill = window.Drill();
        unsigned char wrong = '#';
        unsigned char backspace = kBackspace;
        drill.InputEditKeyPress(wrong);
        drill.InputEditKeyPress(backspace);
        drill.Events().OnReturnExpected(drill);
        TypeLine(window, 100);
    };
    form.StartSentenceDrill();
    EXPECT_THAT(rig.sound.played, ElementsAre(Media("err.wav"), Media("ok.wav"), Media("ok.wav")));
}

TEST_F(MainFormTest, TheDrillAndGameSoundSwitchesAreReadAtEachEventAndIndependently) {
    LogOn();
    form.StartGame();
    const GameHost::SoundEvents& game = rig.games.last->sounds;
    auto drillLine = [&] {
        rig.drills.whileShown = [&](FakeDrillWindow& window) { TypeLine(window, 100); };
        form.StartSentenceDrill();
    };

    profile.DrillSoundEnabled = false;
    drillLine();
    game.CityShoot();
    EXPECT_THAT(rig.sound.played, ElementsAre(Media("shoot.wav")));

    rig.sound.played.clear();
    profile.DrillSoundEnabled = true;
    profile.GameSoundEnabled = false;
    drillLine();
    game.CityHurt();
    EXPECT_THAT(rig.sound.played, ElementsAre(Media("ok.wav")));
}

TEST_F(MainFormTest, PracticeTimeOfEveryDrillAddsUpForTheRun) {
    LogOn();
    std::int32_t next = 1500;
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        PractiseFor(window, next);
        next *= 2;
    };
    form.StartCourse();
    form.StartSentenceDrill();
    form.StartFreeDrill();
    form.StartParagraphDrill();
    EXPECT_EQ(form.RunPracticeTime(), 1500 + 3000 + 6000 + 12000);
}

// The game.

TEST_F(MainFormTest, TheGameWindowIsMadeOnceWithTheWordFileScoresAndCues) {
    profile.GScore1 = 500;
    profile.GScore2 = 400;
    profile.GScore3 = 300;
    profile.GScore4 = 200;
    profile.GScore5 = 100;
    profile.GameFont.Name = "Game Mono";
    LogOn();
    form.StartGame();
    EXPECT_THAT(rig.log, ElementsAre("SetScoreKeeper", "AddScore 500", "AddScore 400", "AddScore 300",
                                     "AddScore 200", "AddScore 100", "SetSoundEvents", "SetClosedHandler",
                                     "SetWordFile " + CoursePath("English", "Game.txt"),
                                     "SetFontName Game Mono", "HideMain", "StartGame"));

    rig.log.clear();
    rig.games.last->closed();
    form.StartGame();
    EXPECT_EQ(rig.games.created, 1);
    EXPECT_THAT(rig.log, ElementsAre("ShowMain", "SetWordFile " + CoursePath("English", "Game.txt"),
                                     "SetFontName Game Mono", "HideMain", "StartGame"));
}

// The next game after a change of course falls the new course's words, read
// and typed in its code page.
TEST_F(MainFormTest, TheGameFollowsTheCourseAndItsCodePage) {
    std::filesystem::create_directories(folder / "Courses/Russkij");
    folder.Write("Courses/Russkij/course.ini", "[Course]\nLanguage=ru\n");
    LogOn();
    form.StartGame();
    EXPECT_EQ(GameSettings().WordsCodePage, 1252);
    rig.games.last->closed();
    rig.log.clear();

    profile.ChangeCourse("Russkij");
    form.StartGame();
    EXPECT_THAT(rig.log, ::testing::Contains("SetWordFile " + CoursePath("Russkij", "Game.txt")));
    EXPECT_EQ(GameSettings().WordsCodePage, 1251);
}

TEST_F(MainFormTest, EveryGameTakesTheProfilesGameSettingsAsTheyAreThen) {
    LogOn();
    form.StartGame();
    profile.FunSpeed = true;
    profile.GameBgColor = 8421504;
    profile.GameFont = {"Game Sans", 22, 255, true, false, true, false};
    rig.games.last->closed();
    form.StartGame();

    const TGameSettings& game = GameSettings();
    EXPECT_TRUE(game.FunSpeed);
    EXPECT_EQ(game.CellSize, 22);
    EXPECT_EQ(game.BackColor, 8421504);
    EXPECT_EQ(game.WordColor, 255);
    EXPECT_EQ(game.WordFontName, "Game Sans");
    EXPECT_EQ(game.WordStyle, (FontStyle{true, false, true, false}));
    EXPECT_EQ(game.TypedStyle, game.WordStyle);
    EXPECT_EQ(rig.log.back(), "StartGame");
    EXPECT_EQ(rig.log[rig.log.size() - 3], "SetFontName Game Sans");
}

TEST_F(MainFormTest, TheGamesTimingComesFromZqgameIniWhenTheWindowIsMade) {
    folder.Write("zqgame.ini", "[General]\nNewWordSpeed=2000\nDropSpeedBy=oops\n");
    GameSettings().DropSpeedBy = 99;
    TZQMainFm another(rig.Parts(), settings);
    EXPECT_EQ(GameSettings().NewWordSpeed, 2000);
    EXPECT_EQ(GameSettings().NewWordSpeedBy, 250);
    EXPECT_EQ(GameSettings().DropSpeedBy, 20);
}

// A value the game cannot be played with is named once, before the first
// game of the run, over the main window.
TEST_F(MainFormTest, ARefusedZqgameIniValueIsToldBeforeTheFirstGameOnly) {
    folder.Write("zqgame.ini", "[General]\nDropSpeed=-2147483648\n");
    TZQMainFm another(rig.Parts(), settings);
    EXPECT_EQ(GameSettings().DropSpeed, 250);
    another.AttachProfile(profile);
    rig.log.clear();
    another.StartGame();
    ASSERT_GE(rig.log.size(), 2u);
    EXPECT_EQ(rig.log[0], "Information");
    ASSERT_EQ(rig.view.informations.size(), 1u);
    EXPECT_THAT(rig.view.informations[0], HasSubstr("DropSpeed=-2147483648"));
    EXPECT_THAT(rig.view.informations[0], HasSubstr(folder.File("zqgame.ini")));
    EXPECT_EQ(rig.log.back(), "StartGame");

    rig.games.last->closed();
    another.StartGame();
    EXPECT_EQ(rig.view.informations.size(), 1u) << "once a run";
}

TEST_F(MainFormTest, GameEventsPlayTheirCuesAndAFullScreenMainWindowGetsItsButtonsBack) {
    profile.FullScreen = true;
    LogOn();
    form.StartGame();
    const GameHost::SoundEvents& sounds = rig.games.last->sounds;
    sounds.CityShoot();
    sounds.CityMissShoot();
    sounds.CityHurt();
    sounds.DifficultyIncrease();
    EXPECT_THAT(rig.sound.played,
                ElementsAre(Media("shoot.wav"), Media("miss.wav"), Media("hurt.wav"), Media("up.wav")));

    rig.log.clear();
    rig.games.last->closed();
    EXPECT_THAT(rig.log, ElementsAre("ShowMain", "ShowButtons"));
}

TEST_F(MainFormTest, WithoutAGameTheGameButtonSaysSoAndTheWindowStays) {
    rig.games.hasGame = false;
    LogOn();
    form.StartGame();
    EXPECT_THAT(rig.log, ElementsAre("Information"));
}

// Help and profile.

TEST_F(MainFormTest, HelpOpensTheManualWithTheDesktopElseInTheHelpWindow) {
    std::filesystem::create_directories(folder / "help");
    folder.Write("help/manual.html", "<html></html>");
    LogOn();
    form.OpenHelp();
    rig.help.desktopOpens = false;
    form.OpenHelp();
    const std::string manual = folder.Dir() + "help/manual.html";
    EXPECT_THAT(rig.log, ElementsAre("Desktop " + manual, "Desktop " + manual, "HelpWindow " + manual));
}

TEST_F(MainFormTest, AMissingManualIsNamed) {
    LogOn();
    form.OpenHelp();
    EXPECT_THAT(rig.view.informations,
                ElementsAre("The manual " + folder.Dir() + "help/manual.html is missing."));
}

TEST_F(MainFormTest, TheProfileDialogGetsTheCoursesTheWindowFontAndTheAgent) {
    settings.FontName = "Window Sans";
    LogOn();
    rig.profileDialogApplies = [](TProfile& edited) {
        edited.Course = "Deutsch";
        return true;
    };
    form.EditProfile();
    EXPECT_THAT(rig.log, ElementsAre("CreateProfileEditor", "SetCourses Deutsch,English",
                                     "SetWindowFont Window Sans 1", "SetAgent", "ExecuteEdit Maria",
                                     "FreeProfileDialog"));
    EXPECT_EQ(profile.Course, "Deutsch");
}

// Practice history and statistics.

TEST_F(MainFormTest, EveryCompletedLineOfEveryDrillGoesIntoTheUsersHistory) {
    LogOn();
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        if (window.Shown().kind == DrillKind::Free) {  // the learner gives letters
            window.view.answers.push_back("fj");
            window.Drill().InputEditKeyDown(VK_INSERT);
        }
        TypeLine(window, 100);
        unsigned char escape = kEscape;  // an escaped line keeps nothing
        window.Drill().InputEditKeyPress(escape);
    };
    form.StartCourse();
    form.StartSentenceDrill();
    form.StartFreeDrill();

    HistoryStore history(folder.File("zqstats.db"));
    EXPECT_EQ(history.LineCount(), 3);
    SqliteStatement lines = history.Database().Prepare(
        "SELECT user_name, course, drill, course_line FROM practice_line ORDER BY id");
    std::vector<std::string> kept;
    while (lines.Step()) {
        kept.push_back(lines.Bytes(0) + " " + lines.Bytes(1) + " " + lines.Bytes(2) + " " +
                       (lines.IsNull(3) ? "-" : std::to_string(lines.Integer(3))));
    }
    EXPECT_THAT(kept,
                ElementsAre("Maria English course 0", "Maria English sentence -", "Maria English free -"));
    EXPECT_TRUE(rig.view.informations.empty()) << "no warning";
}

// Hours of practice use no more memory than minutes: whatever a completed
// line leaves behind (its history, its stored progress) does not pile up.
// The memory counted is what the program has taken from the heap.
TEST_F(MainFormTest, AThousandCompletedLinesLeaveTheHeapAsItWas) {
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "the sanitizers keep a heap of their own";
#endif
    constexpr int kLines = 1100;
    std::string course;
    for (int line = 0; line < kLines + 10; ++line)
        course += "asdf jkl fdsa lkj sad lad " + std::to_string(line) + "\n";
    folder.Write("Courses/English/course.txt", course);
    profile.DrillSoundEnabled = false;  // the stand-in sound system keeps every cue
    LogOn();
    std::size_t heapAfterWarmUp = 0;
    std::size_t heapAtTheEnd = 0;
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        for (int line = 0; line < kLines; ++line) {
            TypeLine(window, 150);
            if (line == 99) heapAfterWarmUp = mallinfo2().uordblks;
        }
        heapAtTheEnd = mallinfo2().uordblks;
    };
    form.StartCourse();

    EXPECT_EQ(profile.Progress, kLines) << "every line was completed";
    EXPECT_EQ(HistoryStore(folder.File("zqstats.db")).LineCount(), kLines);
    // A few bytes a line at most: a kilobyte a line would be a megabyte.
    EXPECT_LT(heapAtTheEnd, heapAfterWarmUp + 64 * 1024)
        << "the heap grew by " << (heapAtTheEnd - heapAfterWarmUp) / 1024 << " KiB over " << kLines - 100
        << " lines";
}

// The adaptive drill and the learner's day.

TEST_F(MainFormTest, TheAdaptiveDrillBeginsWithTheCoursesFirstKeysAndKeepsItsLinesInTheHistory) {
    profile.TargetSpeed = 90;
    LogOn();
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        for (int line = 0; line < 3; ++line) TypeLine(window, 300);
    };
    form.StartAdaptiveDrill();

    ASSERT_EQ(rig.drills.shown.size(), 1u);
    const testing::ShownDrill& shown = rig.drills.shown[0];
    EXPECT_EQ(shown.kind, DrillKind::Adaptive);
    EXPECT_EQ(shown.font.Name, "Practice Mono");
    EXPECT_EQ(shown.color, 65535);
    ASSERT_FALSE(shown.sample.empty());
    EXPECT_EQ(shown.sample.find_first_not_of("asdf jkl"), std::string::npos)
        << shown.sample << ": the keys of the course's first line";
    HistoryStore history(folder.File("zqstats.db"));
    EXPECT_EQ(history.Database().QueryInteger("SELECT count(*) FROM practice_line WHERE drill = 'adaptive'"),
              3);
    EXPECT_EQ(profile.Progress, 0) << "the course's line stays where it was";
    EXPECT_TRUE(rig.view.informations.empty()) << "no warning";
}

TEST_F(MainFormTest, TheAdaptiveDrillNeedsACourseFileWithALine) {
    folder.Write("Courses/English/course.txt", "  \n");
    LogOn();
    form.StartAdaptiveDrill();
    EXPECT_TRUE(rig.drills.shown.empty());
    ASSERT_EQ(rig.view.informations.size(), 1u);
    EXPECT_THAT(rig.view.informations[0], HasSubstr("has no lines to practise"));
}

TEST_F(MainFormTest, TheDayBeforeAnyPracticeShowsTheCourseAndMakesNoHistory) {
    profile.Progress = 1;
    LogOn();
    form.ShowLearnersDay();
    ASSERT_EQ(rig.view.days.size(), 1u);
    const LearnersDayTexts& day = rig.view.days[0];
    EXPECT_EQ(day.course, "English");
    EXPECT_EQ(day.lineReached, "Line 2 of 3");
    EXPECT_EQ(day.today, "Today: 0 m 0 s of 10 m");
    EXPECT_EQ(day.goalPercent, 0);
    EXPECT_EQ(day.daysInARow, "Days in a row with the goal reached: 0");
    EXPECT_EQ(day.lastLine, "No line typed yet");
    EXPECT_FALSE(std::filesystem::exists(folder.File("zqstats.db"))) << "looking makes no file";
}

TEST_F(MainFormTest, EveryDrillEndsWithTheDayShownAgainFromTheHistory) {
    profile.DailyGoal = 1;
    LogOn();
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        for (int line = 0; line < 3; ++line) TypeLine(window, 3000);  // 9 characters, 27 s a line
    };
    form.StartCourse();
    ASSERT_EQ(rig.view.days.size(), 1u);
    const LearnersDayTexts& day = rig.view.days.back();
    EXPECT_EQ(day.lineReached, "Line 3 of 3") << "the course drill moved on";
    EXPECT_EQ(day.today, "Today: 1 m 9 s of 1 m");
    EXPECT_EQ(day.goalPercent, 100);
    EXPECT_EQ(day.daysInARow, "Days in a row with the goal reached: 1");
    EXPECT_THAT(day.lastLine, HasSubstr("100 % accuracy"));
}

TEST_F(MainFormTest, TheDayFollowsACourseAndAGoalChangedInTheProfileDialog) {
    LogOn();
    rig.profileDialogApplies = [](TProfile& edited) {
        edited.Course = "Deutsch";
        edited.DailyGoal = 25;
        return true;
    };
    form.EditProfile();
    ASSERT_EQ(rig.view.days.size(), 1u);
    EXPECT_EQ(rig.view.days[0].course, "Deutsch");
    EXPECT_EQ(rig.view.days[0].lineReached, "Line 1 of 1");
    EXPECT_EQ(rig.view.days[0].today, "Today: 0 m 0 s of 25 m");
}

TEST_F(MainFormTest, EasyReadingGivesEveryDrillLargePrintInTheContrastPalette) {
    profile.EasyReading = true;
    profile.BgColor = 65535;
    LogOn();
    form.StartCourse();
    form.StartSentenceDrill();
    form.StartFreeDrill();
    form.StartParagraphDrill();
    form.StartAdaptiveDrill();

    const ContrastPalette palette = *EasyReading(true).Palette();
    ASSERT_EQ(rig.drills.shown.size(), 5u);
    for (std::size_t i = 0; i < rig.drills.shown.size(); ++i) {
        const testing::ShownDrill& shown = rig.drills.shown[i];
        SCOPED_TRACE(i);
        EXPECT_GE(shown.font.Size, 24);
        EXPECT_EQ(shown.font.Name, i == 3 ? "Text Serif" : "Practice Mono") << "the learner's family stays";
        EXPECT_EQ(shown.font.Color, palette.text);
        EXPECT_EQ(shown.palette, palette);
        EXPECT_EQ(shown.statusScale, EasyReading::kLargeStatusScale)
            << "the line's results in large print too";
        EXPECT_EQ(shown.color, palette.background) << "not the profile's yellow";
        EXPECT_EQ(shown.rightColor, palette.text);
        EXPECT_EQ(shown.wrongColor, palette.wrongText);
    }
    EXPECT_EQ(rig.guidance.lookScale, EasyReading(true).GuidanceScale());
    EXPECT_EQ(rig.guidance.lookPalette, palette);
}

TEST_F(MainFormTest, WithoutEasyReadingTheDrillsKeepTheProfilesLookAndAChangeTakesEffectAtTheNextDrill) {
    LogOn();
    form.StartCourse();
    ASSERT_EQ(rig.drills.shown.size(), 1u);
    EXPECT_EQ(rig.drills.shown[0].font, profile.PracticeFont);
    EXPECT_FALSE(rig.drills.shown[0].palette.has_value());
    EXPECT_EQ(rig.drills.shown[0].statusScale, 1.0);
    EXPECT_EQ(rig.drills.shown[0].rightColor, RightColor);
    EXPECT_EQ(rig.drills.shown[0].wrongColor, WrongColor);
    EXPECT_EQ(rig.guidance.lookScale, 1.0);
    EXPECT_FALSE(rig.guidance.lookPalette.has_value());

    profile.EasyReading = true;  // as the profile dialog's Apply leaves it
    form.StartCourse();
    EXPECT_GE(rig.drills.shown[1].font.Size, 24);
    EXPECT_GT(*rig.guidance.lookScale, 1.0);

    profile.EasyReading = false;
    form.StartCourse();
    EXPECT_EQ(rig.drills.shown[2].font, profile.PracticeFont) << "the learner's own font comes back";
    EXPECT_EQ(rig.drills.shown[2].statusScale, 1.0);
    EXPECT_EQ(rig.guidance.lookScale, 1.0);
    EXPECT_FALSE(rig.guidance.lookPalette.has_value());
}

TEST_F(MainFormTest, EasyReadingGivesTheGameLargeWordsAndStatusInTheContrastPalette) {
    profile.GameFont = {"Game Sans", 12, 255, true, false, false, false};
    profile.GameBgColor = 8421504;
    profile.EasyReading = true;
    LogOn();
    form.StartGame();
    const ContrastPalette palette = *EasyReading(true).Palette();
    const TGameSettings& game = GameSettings();
    EXPECT_GE(game.CellSize, 24);
    EXPECT_EQ(game.BackColor, palette.background);
    EXPECT_EQ(game.WordColor, palette.text);
    EXPECT_EQ(game.TypedLettersColor, palette.highlightBackground);
    EXPECT_EQ(game.WordFontName, "Game Sans");
    EXPECT_EQ(game.StatusScale, EasyReading::kLargeStatusScale) << "as large as a drill's status bar";
    EXPECT_EQ(game.StatusPalette, palette);

    profile.EasyReading = false;
    rig.games.last->closed();
    form.StartGame();
    EXPECT_EQ(game.CellSize, 12);
    EXPECT_EQ(game.BackColor, 8421504);
    EXPECT_EQ(game.WordColor, 255);
    EXPECT_EQ(game.TypedLettersColor, TypedColor) << "the game's own red";
    EXPECT_EQ(game.StatusScale, 1.0);
    EXPECT_FALSE(game.StatusPalette.has_value());
}

TEST_F(MainFormTest, EveryDrillTakesTheModifierSwitchAsTheProfileHasItThen) {
    LogOn();
    form.StartFreeDrill();
    EXPECT_EQ(rig.guidance.showModifiers, false);
    profile.ShowModifiers = true;
    form.StartSentenceDrill();
    EXPECT_EQ(rig.guidance.showModifiers, true);
}

TEST_F(MainFormTest, StatisticsShowTheUsersProgressInTheirCourse) {
    LogOn();
    form.OpenStatistics();
    EXPECT_THAT(rig.log, ElementsAre("ShowProgress Maria"));
    ASSERT_TRUE(rig.progress.setup);
    EXPECT_EQ(rig.progress.setup->course.Name(), "English");
    EXPECT_EQ(rig.progress.setup->course.Folder(), folder.Dir() + "Courses/English/");
    EXPECT_EQ(rig.progress.setup->today, LocalDayOf(NowUtcMilliseconds()));
    ASSERT_NE(rig.progress.history, nullptr);
    EXPECT_EQ(rig.progress.history->Path(), folder.File("zqstats.db"));

    rig.log.clear();
    profile.FullScreen = true;
    form.OpenStatistics();
    EXPECT_THAT(rig.log, ElementsAre("HideButtons", "ShowProgress Maria", "ShowButtons"));
}

TEST_F(MainFormTest, TheChosenWeakKeyPracticeOpensTheFreeDrillOnItsLine) {
    LogOn();
    rig.progress.chosen = TargetedPractice{"quiz zap", "Practising q, z"};
    std::string sample, status;
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        sample = window.Drill().Sample();
        status = window.view.status;
        TypeLine(window, 100);
    };
    form.OpenStatistics();
    ASSERT_EQ(rig.drills.shown.size(), 1u);
    EXPECT_EQ(rig.drills.shown[0].kind, DrillKind::Free);
    EXPECT_EQ(rig.drills.shown[0].font.Name, "Practice Mono");
    EXPECT_EQ(sample, "quiz zap");
    EXPECT_EQ(status, "Practising q, z");
    EXPECT_EQ(HistoryStore(folder.File("zqstats.db")).LineCount(), 1);
    EXPECT_EQ(form.RunPracticeTime(), 800);
}

TEST_F(MainFormTest, ErasingAUserInTheProfileDialogErasesTheirHistory) {
    LogOn();
    rig.drills.whileShown = [&](FakeDrillWindow& window) { TypeLine(window, 100); };
    form.StartSentenceDrill();
    rig.profileDialogApplies = [&](TProfile&) {
        rig.lastProfileDialog->userErased("MARIA");
        return false;
    };
    form.EditProfile();
    EXPECT_EQ(HistoryStore(folder.File("zqstats.db")).LineCount(), 0);
}

// The profile file gives names as 8-bit text; the history keeps them in UTF-8.
TEST_F(MainFormTest, AUserWithALetterBeyondAsciiIsErasedFromTheHistoryToo) {
    profile.UserName = "J\xF6rg";  // Jörg in code page 1252
    LogOn();
    rig.drills.whileShown = [&](FakeDrillWindow& window) { TypeLine(window, 100); };
    form.StartSentenceDrill();
    HistoryStore stored(folder.File("zqstats.db"));
    EXPECT_EQ(stored.DrillDays("J\xC3\xB6rg", 0, LocalDayOf(NowUtcMilliseconds()) + 1).size(), 1u);

    rig.profileDialogApplies = [&](TProfile&) {
        rig.lastProfileDialog->userErased("J\xF6RG");
        return false;
    };
    form.EditProfile();
    EXPECT_EQ(stored.LineCount(), 0);
}

// Closing.

TEST_F(MainFormTest, ClosingReportsTheRunAndTheTotalInWholeHoursMinutesAndSeconds) {
    profile.TimeTotal = 30 * kHour;
    LogOn();
    rig.drills.whileShown = [this](FakeDrillWindow& window) {
        PractiseFor(window, kHour + 2 * 60000 + 3900);
    };
    form.StartFreeDrill();
    rig.log.clear();
    form.FormClose();

    EXPECT_THAT(rig.view.informations,
                ElementsAre("Maria: The practice time is 1 h 2 m 3 s, total practice time is 31 h 2 m 3 s."));
    EXPECT_EQ(profile.TimeTotal, 31 * kHour + 2 * 60000 + 3900);
    EXPECT_EQ(IniFile(folder.File("zqc.ini")).ReadInteger("Maria", "TimeTotal", 0), profile.TimeTotal);
    EXPECT_EQ(IniFile(folder.File("zq.ini")).ReadString("General", "User", ""), "Default");
    EXPECT_THAT(rig.log, ElementsAre("Information", "CloseLogon"));
}

TEST_F(MainFormTest, ClosingRightAfterLogOnReportsNoPracticeAndStoresTheProgress) {
    profile.TimeTotal = 61000;
    LogOn();
    profile.Progress = 7;
    form.FormClose();
    EXPECT_THAT(rig.view.informations,
                ElementsAre("Maria: The practice time is 0 h 0 m 0 s, total practice time is 0 h 1 m 1 s."));
    EXPECT_EQ(IniFile(folder.File("zqc.ini")).ReadInteger("Maria", "Progress", 0), 7);
}

TEST_F(MainFormTest, ClosingAsTheProgramIsToldToEndStoresWithoutAMessage) {
    LogOn();
    rig.drills.whileShown = [this](FakeDrillWindow& window) { PractiseFor(window, 5000); };
    form.StartFreeDrill();
    rig.log.clear();
    form.FormClose(false);
    EXPECT_THAT(rig.log, ElementsAre("CloseLogon"));
    EXPECT_EQ(IniFile(folder.File("zqc.ini")).ReadInteger("Maria", "TimeTotal", 0), 5000);
}

TEST_F(MainFormTest, AFailedStoreAtClosingSaysWhyAndRetriesAsTheLearnerAsks) {
    std::filesystem::create_directories(folder / "zqc.ini");  // cannot be written
    profile.TimeTotal = kHour;
    LogOn();
    rig.drills.whileShown = [this](FakeDrillWindow& window) { PractiseFor(window, 60000); };
    form.StartFreeDrill();
    rig.log.clear();

    rig.view.unstoredAnswer = [&] {
        if (rig.view.failedStores.size() == 2) std::filesystem::remove(folder / "zqc.ini");  // room made
        return MainView::UnstoredChoice::Retry;
    };
    EXPECT_TRUE(form.FormClose());
    EXPECT_THAT(rig.log,
                ElementsAre("Information", "AskAfterFailedStore", "AskAfterFailedStore", "CloseLogon"));
    EXPECT_THAT(rig.view.failedStores[0], HasSubstr("Unable to write to " + folder.File("zqc.ini") + ": "));
    EXPECT_THAT(rig.view.failedStores[0], HasSubstr("then retry; or end without storing them."));
    EXPECT_THAT(rig.view.informations.back(), HasSubstr("total practice time is 1 h 1 m 0 s."));
    EXPECT_EQ(IniFile(folder.File("zqc.ini")).ReadInteger("Maria", "TimeTotal", 0), kHour + 60000);
    EXPECT_EQ(IniFile(folder.File("zq.ini")).ReadString("General", "User", ""), "Default");
}

TEST_F(MainFormTest, EndingWithoutStoringClosesAndWritesNothingMore) {
    std::filesystem::create_directories(folder / "zqc.ini");
    LogOn();
    rig.view.unstoredAnswer = [] { return MainView::UnstoredChoice::EndWithoutStoring; };
    EXPECT_TRUE(form.FormClose());
    EXPECT_THAT(rig.log, ElementsAre("Information", "AskAfterFailedStore", "CloseLogon"));
    EXPECT_FALSE(std::filesystem::exists(folder / "zq.ini")) << "the settings are not stored either";
}

TEST_F(MainFormTest, KeepingTheWindowOpenClosesNothingAndClosingAgainStartsOver) {
    std::filesystem::create_directories(folder / "zqc.ini");
    LogOn();
    rig.drills.whileShown = [this](FakeDrillWindow& window) { PractiseFor(window, 60000); };
    form.StartFreeDrill();
    rig.log.clear();
    rig.view.unstoredAnswer = [] { return MainView::UnstoredChoice::KeepOpen; };
    EXPECT_FALSE(form.FormClose());
    EXPECT_THAT(rig.log, ElementsAre("Information", "AskAfterFailedStore"));

    std::filesystem::remove(folder / "zqc.ini");
    EXPECT_TRUE(form.FormClose());
    EXPECT_THAT(rig.view.informations.back(), HasSubstr("The practice time is 0 h 1 m 0 s"));
    EXPECT_EQ(IniFile(folder.File("zqc.ini")).ReadInteger("Maria", "TimeTotal", 0), 60000);
}

// Told to end (a termination signal), the program ends: nobody is there to answer.
TEST_F(MainFormTest, AFailedStoreWhenTheProgramIsToldToEndEndsItWithoutAQuestion) {
    std::filesystem::create_directories(folder / "zqc.ini");
    LogOn();
    EXPECT_TRUE(form.FormClose(false));
    EXPECT_THAT(rig.log, ElementsAre("CloseLogon"));
}

TEST_F(MainFormTest, AFullDiskAtClosingIsNamed) {
    test::SmallDisk disk;
    if (!disk.Mounted())
        GTEST_SKIP() << "a full disk needs a small file system, which only the superuser mounts";
    const ProfileStore onDisk(disk.File("zqc.ini"));
    onDisk.Attach(profile);
    LogOn();
    disk.Fill();
    rig.view.unstoredAnswer = [] { return MainView::UnstoredChoice::EndWithoutStoring; };
    EXPECT_TRUE(form.FormClose());
    ASSERT_EQ(rig.view.failedStores.size(), 1u);
    EXPECT_THAT(rig.view.failedStores[0],
                ::testing::StartsWith("Unable to write to " + disk.File("zqc.ini") + ": the disk is full."));
}

// A box opened while the learner types would take the keys typed next.
TEST_F(MainFormTest, TheHistorysWarningWaitsUntilTheDrillHasClosed) {
    std::filesystem::create_directories(folder / "zqstats.db" / "in the way");  // cannot be a database
    LogOn();
    std::size_t boxesWhileTyping = 0;
    rig.drills.whileShown = [&](FakeDrillWindow& window) {
        TypeLine(window, 100);
        TypeLine(window, 100);
        boxesWhileTyping = rig.view.informations.size();
    };
    form.StartCourse();
    EXPECT_EQ(boxesWhileTyping, 0u);
    ASSERT_EQ(rig.view.informations.size(), 1u);
    EXPECT_THAT(rig.view.informations[0], HasSubstr("cannot be used"));
    EXPECT_THAT(rig.log, ElementsAre("CreateDrill", "ShowDrill", "FreeDrill", "Information"));
}

GameResult Played(std::int32_t difficulty, std::int32_t score) {
    GameResult result;
    result.difficulty = difficulty;
    result.score = score;
    return result;
}

// A game that ended by itself goes to the learner's best in the practice
// history, never into the profile's GScore keys.
TEST_F(MainFormTest, AnEndedGameIsKeptInTheHistoryAndTheProfilesScoresStayAsTheyWere) {
    profile.GScore1 = 700;
    profile.GScore3 = 300;
    LogOn();
    form.StartGame();
    ASSERT_TRUE(rig.games.last->keeper);
    GameResult result = Played(5, 2345);
    result.hits = 80;
    result.losses = 3;
    result.timeMs = 190'000;
    GameScoreBoard board = rig.games.last->keeper(result);
    ASSERT_TRUE(board.available);
    ASSERT_EQ(board.best.size(), 1u);
    EXPECT_TRUE(board.best[0].thisGame);
    EXPECT_EQ(board.best[0].score, 2345);
    EXPECT_EQ(board.best[0].hits, 80);
    EXPECT_EQ(board.best[0].losses, 3);
    EXPECT_EQ(board.best[0].difficulty, 5);
    EXPECT_TRUE(board.problemUtf8.empty());

    result.score = 3000;
    board = rig.games.last->keeper(result);
    ASSERT_EQ(board.best.size(), 2u);
    EXPECT_TRUE(board.best[0].thisGame);
    EXPECT_FALSE(board.best[1].thisGame);
    result.score = -15;
    board = rig.games.last->keeper(result);
    EXPECT_EQ(board.best.size(), 2u);
    EXPECT_FALSE(board.best[0].thisGame || board.best[1].thisGame) << "a score below zero is no best score";

    HistoryStore stored(folder.File("zqstats.db"));
    EXPECT_EQ(BestGames(stored, "maria").size(), 2u);
    EXPECT_EQ(BestGames(stored, "maria")[0].game.course, "English");

    rig.games.last->closed();
    form.FormClose();
    const IniFile written(folder.File("zqc.ini"));
    EXPECT_EQ(written.ReadString("Maria", "GScore1", ""), "700");
    EXPECT_EQ(written.ReadString("Maria", "GScore2", ""), "0");
    EXPECT_EQ(written.ReadString("Maria", "GScore3", ""), "300");
}

// The game window stays above every other: the history's warning comes in
// the game-over view, not in a box behind it.
TEST_F(MainFormTest, AGameWhoseScoreCannotBeKeptSaysWhyInTheGameOverView) {
    std::filesystem::create_directory(folder / "zqstats.db");
    LogOn();
    form.StartGame();
    const GameScoreBoard board = rig.games.last->keeper(Played(3, 1600));
    EXPECT_FALSE(board.available);
    EXPECT_TRUE(board.best.empty());
    EXPECT_THAT(board.problemUtf8, HasSubstr(folder.File("zqstats.db")));
    EXPECT_TRUE(rig.view.informations.empty()) << "no box behind the game window";

    // Once warned, the next game says it in a sentence of its own.
    const GameScoreBoard again = rig.games.last->keeper(Played(3, 1700));
    EXPECT_THAT(again.problemUtf8, HasSubstr("could not be kept"));
    EXPECT_TRUE(rig.view.informations.empty());
}

TEST_F(MainFormTest, ClosingFreesTheGameWindow) {
    LogOn();
    form.StartGame();
    rig.games.last->closed();
    rig.log.clear();
    form.FormClose();
    EXPECT_THAT(rig.log, ElementsAre("Information", "FreeGame", "CloseLogon"));
}

}  // namespace
}  // namespace zq
