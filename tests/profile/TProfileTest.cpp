#include "profile/TProfile.h"

#include <gtest/gtest.h>

#include "base/LibraryError.h"

namespace zq {
namespace {

// A profile with a different value in every stored field.
TProfile FilledProfile() {
    TProfile p;
    p.FullScreen = true;
    p.BgColor = -2147483633;  // theme colour: button face
    p.Course =
        "Fran\xC3\xA7"
        "ais";
    p.Progress = 12;
    p.TimeTotal = 3600000;
    p.KeyboardLayout = "0000040C";
    p.PracticeFont = {"Mono", 16, 255, true, false, false, false};
    p.TextFont = {"Serif", 12, 65280, false, true, false, false};
    p.GameFont = {"Game", 20, 16777215, true, true, true, true};
    p.GameBgColor = clNone;
    p.FunSpeed = true;
    p.HelpFile = "manual.html";
    p.HighLight = true;
    p.Blinking = true;
    p.GameEnabled = true;
    p.GameSoundEnabled = true;
    p.DrillSoundEnabled = true;
    p.PopupAtEnd = true;
    p.GScore1 = 500;
    p.GScore2 = -1;
    p.GScore3 = 3;
    p.GScore4 = 2147483647;
    p.GScore5 = -2147483647 - 1;
    p.ShowModifiers = true;
    p.TargetSpeed = 220;
    p.DailyGoal = 25;
    p.OtherCoursesProgress = {{"Deutsch", 7}, {"Ma:ths 2", 0}};
    p.Speak = true;
    p.SpeechRate = -4;
    p.EasyReading = true;
    return p;
}

void ExpectSameStoredFields(const TProfile& a, const TProfile& b) {
    EXPECT_EQ(a.SaveToStrings(), b.SaveToStrings());
}

TEST(TProfile, ConstructionGivesEmptyFieldsAndTheDefaultFont) {
    const TProfile p;
    EXPECT_EQ(p.PracticeFont, TFontRecord{});
    EXPECT_EQ(p.PracticeFont.Name, "Sans");
    EXPECT_EQ(p.PracticeFont.Size, 10);
    EXPECT_TRUE(p.KeyboardLayout.empty());
    EXPECT_EQ(p.BgColor, 0);
    EXPECT_FALSE(p.OnLoad);
    EXPECT_FALSE(p.OnSave);
}

TEST(TProfile, SaveToStringsWritesEveryKeyInFileOrder) {
    const std::vector<std::string> expected = {"FullScreen=1",
                                               "BgColor=-2147483633",
                                               "Course=Fran\xC3\xA7"
                                               "ais",
                                               "Progress=12",
                                               "TimeTotal=3600000",
                                               "KeyboardLayout=0000040C",
                                               "PracticeFontName=Mono",
                                               "PracticeFontSize=16",
                                               "PracticeFontColor=255",
                                               "PracticeFontBold=1",
                                               "PracticeFontItalic=0",
                                               "TextFontName=Serif",
                                               "TextFontSize=12",
                                               "TextFontColor=65280",
                                               "TextFontBold=0",
                                               "TextFontItalic=1",
                                               "GameFontName=Game",
                                               "GameFontSize=20",
                                               "GameFontColor=16777215",
                                               "GameFontBold=1",
                                               "GameFontItalic=1",
                                               "GameFontUnderLine=1",
                                               "GameFontStrikeOut=1",
                                               "GameBgColor=536870911",
                                               "FunSpeed=1",
                                               "HelpFile=manual.html",
                                               "HighLight=1",
                                               "Blinking=1",
                                               "GameEnabled=1",
                                               "GameSoundEnabled=1",
                                               "DrillSoundEnabled=1",
                                               "PopupAtEnd=1",
                                               "GScore1=500",
                                               "GScore2=-1",
                                               "GScore3=3",
                                               "GScore4=2147483647",
                                               "GScore5=-2147483648",
                                               "ShowModifiers=1",
                                               "TargetSpeed=220",
                                               "DailyGoal=25",
                                               "OtherCoursesProgress=Deutsch:7/Ma:ths 2:0",
                                               "Speak=1",
                                               "SpeechRate=-4",
                                               "EasyReading=1"};
    EXPECT_EQ(FilledProfile().SaveToStrings(), expected);
}

TEST(TProfile, RoundTripReproducesEveryStoredField) {
    const TProfile source = FilledProfile();
    TProfile target;
    target.UserName = "Target";
    target.LoadFromStrings(source.SaveToStrings());
    ExpectSameStoredFields(source, target);
    EXPECT_EQ(target.BgColor, -2147483633);
    EXPECT_EQ(target.GameFont, source.GameFont);
    EXPECT_EQ(target.UserName, "Target");
}

TEST(TProfile, EmptyListGivesTheDefaults) {
    TProfile p = FilledProfile();
    p.LoadFromStrings({});
    EXPECT_FALSE(p.FullScreen);
    EXPECT_EQ(p.BgColor, 8421504);
    EXPECT_EQ(p.Course, "");
    EXPECT_EQ(p.Progress, 0);
    EXPECT_EQ(p.TimeTotal, 0);
    EXPECT_EQ(p.KeyboardLayout, "00000409");
    for (const TFontRecord* font : {&p.PracticeFont, &p.TextFont, &p.GameFont}) {
        EXPECT_EQ(font->Name, "courier");
        EXPECT_EQ(font->Size, 10);
        EXPECT_EQ(font->Color, 0);
        EXPECT_FALSE(font->Bold);
        EXPECT_FALSE(font->Italic);
    }
    EXPECT_FALSE(p.GameFont.Underline);
    EXPECT_FALSE(p.GameFont.StrikeOut);
    EXPECT_EQ(p.HelpFile, "zqhelp.chm");
    EXPECT_FALSE(p.HighLight || p.Blinking || p.FunSpeed || p.GameEnabled || p.GameSoundEnabled ||
                 p.DrillSoundEnabled || p.PopupAtEnd);
    EXPECT_FALSE(p.ShowModifiers) << "a profile without the key keeps the plain keyboard";
    EXPECT_EQ(p.TargetSpeed, 150);
    EXPECT_EQ(p.DailyGoal, 10);
    EXPECT_FALSE(p.Speak) << "a profile without the key stays silent";
    EXPECT_EQ(p.SpeechRate, 0);
    EXPECT_FALSE(p.EasyReading) << "a profile without the key keeps the fonts and colours it names";
    EXPECT_EQ(p.GameBgColor, 0);
    EXPECT_EQ(p.GScore1 | p.GScore2 | p.GScore3 | p.GScore4 | p.GScore5, 0);
}

TEST(TProfile, EmptyValuesTakeDefaultsAndOnlyOneIsTrue) {
    TProfile p;
    p.LoadFromStrings({"KeyboardLayout=", "BgColor=", "PracticeFontName=", "Course=", "FullScreen=true",
                       "HighLight=1 ", "Blinking=01", "FunSpeed=1", "PopupAtEnd=-1"});
    EXPECT_EQ(p.KeyboardLayout, "00000409");
    EXPECT_EQ(p.BgColor, 8421504);
    EXPECT_EQ(p.PracticeFont.Name, "courier");
    EXPECT_EQ(p.Course, "");
    EXPECT_FALSE(p.FullScreen);
    EXPECT_FALSE(p.HighLight);
    EXPECT_FALSE(p.Blinking);
    EXPECT_TRUE(p.FunSpeed);
    EXPECT_FALSE(p.PopupAtEnd);
}

TEST(TProfile, KeysMatchWithoutCaseTheFirstLineCountsAndOthersAreIgnored) {
    TProfile p;
    p.LoadFromStrings({"progress=$10", "PROGRESS=99", "Unknown=abc", "no equals sign", "course=Deutsch=1"});
    EXPECT_EQ(p.Progress, 16);
    EXPECT_EQ(p.Course, "Deutsch=1");
}

TEST(TProfile, StyleFlagsFollowTheirKeys) {
    // A game font saved bold, underlined and struck out, loaded over an italic one.
    TProfile saved;
    saved.GameFont.Bold = saved.GameFont.Underline = saved.GameFont.StrikeOut = true;
    TProfile loaded;
    loaded.GameFont.Italic = true;
    loaded.LoadFromStrings(saved.SaveToStrings());
    EXPECT_TRUE(loaded.GameFont.Bold);
    EXPECT_TRUE(loaded.GameFont.Underline);
    EXPECT_TRUE(loaded.GameFont.StrikeOut);
    EXPECT_FALSE(loaded.GameFont.Italic);

    // The practice and text fonts store no underline or strike-out: those
    // flags keep what the profile had.
    TProfile p;
    p.PracticeFont.Underline = true;
    p.TextFont.StrikeOut = true;
    p.LoadFromStrings({"PracticeFontItalic=1", "PracticeFontUnderLine=0", "TextFontStrikeOut=0"});
    EXPECT_TRUE(p.PracticeFont.Italic);
    EXPECT_TRUE(p.PracticeFont.Underline);
    EXPECT_TRUE(p.TextFont.StrikeOut);
}

TEST(TProfile, ABadIntegerStopsLoadingAfterTheFieldsReadBeforeIt) {
    TProfile p = FilledProfile();
    // HelpFile and the switches come before the game font in reading order,
    // although they are written after it.
    try {
        p.LoadFromStrings({"Course=Deutsch", "HelpFile=new.html", "HighLight=0", "GameFontSize=big",
                           "GameFontName=Other", "GameBgColor=5", "GScore1=7"});
        FAIL() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_STREQ(error.what(), "'big' is not a valid integer value");
    }
    EXPECT_EQ(p.Course, "Deutsch");
    EXPECT_EQ(p.HelpFile, "new.html");
    EXPECT_FALSE(p.HighLight);
    EXPECT_EQ(p.BgColor, 8421504);
    EXPECT_EQ(p.GameFont.Name, "Other");  // read just before the size
    EXPECT_EQ(p.GameFont.Size, 20);
    EXPECT_TRUE(p.GameFont.Bold);
    EXPECT_EQ(p.GameBgColor, clNone);
    EXPECT_EQ(p.GScore1, 500);
}

TEST(TProfile, TheSpeechKeysComeLastAndARateThatIsNoIntegerStopsTheLoading) {
    TProfile p;
    p.LoadFromStrings({"speak=1", "SPEECHRATE=7"});
    EXPECT_TRUE(p.Speak);
    EXPECT_EQ(p.SpeechRate, 7);
    EXPECT_THROW(p.LoadFromStrings({"Speak=0", "SpeechRate=fast", "GScore1=3"}), LibraryError);
    EXPECT_FALSE(p.Speak) << "read before the rate";
    EXPECT_EQ(p.GScore1, 3) << "the scores come before the speech keys";
    EXPECT_EQ(p.SpeechRate, 7);
}

TEST(TProfile, EasyReadingIsOnOnlyForOneAndComesBackFromTheFile) {
    TProfile p;
    p.LoadFromStrings({"easyreading=1"});
    EXPECT_TRUE(p.EasyReading) << "keys match without regard to case";
    p.LoadFromStrings({"EasyReading=yes"});
    EXPECT_FALSE(p.EasyReading) << "only 1 is on";
    p.EasyReading = true;
    TProfile back;
    back.LoadFromStrings(p.SaveToStrings());
    EXPECT_TRUE(back.EasyReading);
    p.EasyReading = false;
    back.LoadFromStrings(p.SaveToStrings());
    EXPECT_FALSE(back.EasyReading);
}

TEST(TProfile, AssignSettingsCopiesSettingsButNoResults) {
    const TProfile source = FilledProfile();
    TProfile target;
    target.UserName = "Newcomer";
    bool loaded = false;
    target.OnLoad = [&](TProfile&, const std::string&) { loaded = true; };
    target.AssignSettings(source);
    EXPECT_EQ(target.Progress, 0);
    EXPECT_EQ(target.TimeTotal, 0);
    EXPECT_EQ(target.GScore1 | target.GScore2 | target.GScore3 | target.GScore4 | target.GScore5, 0);
    EXPECT_TRUE(target.OtherCoursesProgress.empty());
    EXPECT_EQ(target.UserName, "Newcomer");
    EXPECT_TRUE(target.OnLoad);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(target.Course, source.Course);
    EXPECT_EQ(target.GameFont, source.GameFont);
    EXPECT_EQ(target.KeyboardLayout, "0000040C");
    EXPECT_EQ(target.TargetSpeed, 220) << "goals are settings";
    EXPECT_EQ(target.DailyGoal, 25);
    EXPECT_TRUE(target.Speak) << "a learner who listens makes new users who listen";
    EXPECT_EQ(target.SpeechRate, -4);
    EXPECT_TRUE(target.EasyReading) << "a learner's large print is a setting";

    TProfile plain = FilledProfile();
    plain.ShowModifiers = false;
    target.AssignSettings(plain);
    EXPECT_TRUE(target.ShowModifiers) << "a new user starts with the modifier guidance";
}

// Progress is the current course's line, as stored files have it; the other
// courses keep theirs beside it.
TEST(TProfile, ChangingCourseKeepsTheLineReachedInEachCourse) {
    TProfile p;
    p.Course = "English";
    p.Progress = 6;
    p.ChangeCourse("Deutsch");
    EXPECT_EQ(p.Course, "Deutsch");
    EXPECT_EQ(p.Progress, 0) << "a course not practised yet starts at its first line";
    p.Progress = 40;
    p.ChangeCourse("English");
    EXPECT_EQ(p.Progress, 6);
    EXPECT_EQ(p.LineReachedIn("Deutsch"), 40);
    EXPECT_EQ(p.LineReachedIn("English"), 6);
    EXPECT_EQ(p.LineReachedIn("Klingon"), 0);
    EXPECT_EQ(p.OtherCoursesProgress, (std::map<std::string, std::int32_t>{{"Deutsch", 40}}))
        << "the current course's line is Progress alone";
    p.ChangeCourse("English");
    EXPECT_EQ(p.Progress, 6);

    TProfile fresh;
    fresh.Progress = 3;  // no course named: nothing to keep
    fresh.ChangeCourse("English");
    EXPECT_TRUE(fresh.OtherCoursesProgress.empty());
    EXPECT_EQ(fresh.Progress, 0);
}

// The key is the program's own: an item that does not read is left out
// rather than locking the user out.
TEST(TProfile, OtherCoursesProgressSkipsItemsThatDoNotRead) {
    TProfile p;
    p.LoadFromStrings(
        {"OtherCoursesProgress=Deutsch:12//English:x/:4/Fran\xC3\xA7"
         "ais:-2/A:b:3/Plain"});
    EXPECT_EQ(p.OtherCoursesProgress, (std::map<std::string, std::int32_t>{{"A:b", 3}, {"Deutsch", 12}}));
    p.LoadFromStrings({});
    EXPECT_TRUE(p.OtherCoursesProgress.empty());
}

TEST(TProfile, LoadSaveAndSaveAsRaiseTheirEventsWithTheSectionName) {
    TProfile p;
    p.UserName = "Anna";
    p.Load();  // no events set: nothing happens
    p.Save();
    std::vector<std::string> calls;
    p.OnLoad = [&](TProfile& sender, const std::string& section) {
        EXPECT_EQ(&sender, &p);
        calls.push_back("load " + section);
    };
    p.OnSave = [&](TProfile& sender, const std::string& section) {
        EXPECT_EQ(&sender, &p);
        calls.push_back("save " + section);
    };
    p.Load();
    p.Save();
    p.SaveAs("Bob");
    EXPECT_EQ(calls, (std::vector<std::string>{"load Anna", "save Anna", "save Bob"}));
    EXPECT_EQ(p.UserName, "Anna");
}

TEST(TProfile, SetFontCopiesEveryAttribute) {
    const TFontRecord font{"Serif", 14, clRed, true, true, true, true};
    TProfile p;
    p.SetPracticeFont(font);
    p.SetTextFont(font);
    p.SetGameFont(font);
    EXPECT_EQ(p.PracticeFont, font);
    EXPECT_EQ(p.TextFont, font);
    EXPECT_EQ(p.GameFont, font);
}

TEST(TProfile, PracticeTimeStopsAtTheLargestTotalInsteadOfWrapping) {
    TProfile p;
    p.AddPracticeTime(60000);
    p.AddPracticeTime(1500);
    EXPECT_EQ(p.TimeTotal, 61500);
    p.TimeTotal = TProfile::kMaxTimeTotal - 10;
    p.AddPracticeTime(11);
    EXPECT_EQ(p.TimeTotal, TProfile::kMaxTimeTotal);
    p.AddPracticeTime(TProfile::kMaxTimeTotal);
    EXPECT_EQ(p.TimeTotal, TProfile::kMaxTimeTotal);
}

}  // namespace
}  // namespace zq
