#include "drills/TFmLetterPrac.h"

#include <gtest/gtest.h>

#include "DrillFakes.h"
#include "base/CodePage.h"

namespace zq {
namespace {

using testing::DrillSurroundings;

class LetterPracTest : public ::testing::Test {
protected:
    LetterPracTest() : drill(world.view, world.watch, world.Guidance()) { drill.FormCreate(); }

    bool Press(unsigned char key) { return drill.InputEditKeyPress(key); }
    void Type(std::string_view keys) {
        for (const char key : keys) Press(static_cast<unsigned char>(key));
    }
    // Answers the question for letters with `answer` (Cancel when nothing).
    void AskWith(std::optional<std::string> answer) {
        if (answer) world.view.answers.push_back(*answer);
        drill.InputEditKeyDown(VK_INSERT);
    }

    DrillSurroundings world;
    TFmLetterPrac drill;
};

TEST_F(LetterPracTest, PracticeLineRepeatsTheAnswerToAboutEightyCharacters) {
    struct Case {
        std::size_t answerLength;
        std::size_t lineLength;
        std::int32_t words;
    };
    for (const Case& c : {Case{1, 51, 26}, Case{6, 69, 10}, Case{25, 51, 2}, Case{39, 39, 1}, Case{40, 40, 1},
                          Case{41, 40, 1}}) {
        SCOPED_TRACE(c.answerLength);
        std::string answer;
        for (std::size_t i = 0; i < c.answerLength; ++i) answer += static_cast<char>('a' + i % 26);
        AskWith(answer);
        const std::string kept = answer.substr(0, 40);
        EXPECT_EQ(drill.Sample().size(), c.lineLength);
        EXPECT_EQ(drill.SampleLength(), static_cast<std::int32_t>(c.lineLength));
        EXPECT_EQ(drill.WordCount(), c.words);
        EXPECT_EQ(drill.Sample().substr(0, kept.size()), kept);
        EXPECT_EQ(drill.Pos(), 1);
        EXPECT_TRUE(drill.LineDefined());
    }
    EXPECT_EQ(BuildPracticeLine("ab"), "ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab ab");
}

// The letters are the course's: Polish letters asked for under German
// windows are practised as the Polish course's characters.
TEST_F(LetterPracTest, TheAnswerIsTakenInTheDrillsCodePage) {
    const CodePageInForce german(1252);
    drill.SetTextCodePage(1250);
    AskWith("\xC5\x82\xC4\x85");  // "łą"
    EXPECT_EQ(drill.Sample().substr(0, 3), "\xB3\xB9 ");
}

TEST_F(LetterPracTest, BlanksOfTheAnswerAreKeptAndWordsAreRunsOfNonBlanks) {
    AskWith(" a\tb ");  // 5 characters: 11 copies
    EXPECT_EQ(drill.Sample().substr(0, 12), " a\tb   a\tb  ");
    EXPECT_EQ(drill.SampleLength(), 11 * 5 + 10);
    EXPECT_EQ(drill.WordCount(), 11);
}

TEST_F(LetterPracTest, BeforeAnyLettersEveryKeyIsSwallowedAndAsksForThem) {
    EXPECT_EQ(world.view.status, "Please press the Insert key for defining the example line.");
    EXPECT_TRUE(drill.Sample().empty());

    unsigned char escape = kEscape;
    EXPECT_FALSE(drill.InputEditKeyPress(escape));
    EXPECT_FALSE(world.view.closed);
    ASSERT_EQ(world.view.prompts.size(), 1u);
    EXPECT_EQ(world.view.prompts[0], "Please input what to practise:");
    // The question was cancelled: the default answer gives its line.
    EXPECT_EQ(drill.Sample(), "qwerty qwerty qwerty qwerty qwerty qwerty qwerty qwerty qwerty qwerty");
    EXPECT_EQ(drill.WordCount(), 10);
    EXPECT_TRUE(drill.LineDefined());
    EXPECT_EQ(drill.Pos(), 1);
    EXPECT_FALSE(drill.Started());
    EXPECT_EQ(world.keyboard.highlighted.back(), 'q');
}

// The prompt for letters goes once they are given, and so do the statistics
// of the letters before.
// The guidance windows are shared by the drills: the key and finger that the
// drill before left lit go out when this drill opens without letters.
TEST_F(LetterPracTest, OpeningWithoutLettersClearsTheKeyAndFingerOfThePreviousDrill) {
    world.keyboard.fingers['k'] = 7;
    world.keyboard.HighlightKey('k');
    world.rightHand.pointed = 3;
    world.leftHand.pointed = 2;
    drill.FormShow();
    ASSERT_FALSE(world.keyboard.highlighted.empty());
    EXPECT_EQ(world.keyboard.highlighted.back(), 0) << "a key is still lit";
    EXPECT_EQ(world.rightHand.pointed, 0);
    EXPECT_EQ(world.leftHand.pointed, 0);

    AskWith("fj");
    EXPECT_EQ(world.keyboard.highlighted.back(), 'f') << "once there are letters, the first is lit";
}

TEST_F(LetterPracTest, NewLettersReplaceThePromptAndTheOldStatistics) {
    AskWith(std::string("fj"));
    EXPECT_TRUE(world.view.status.empty()) << world.view.status;
    Type(drill.Sample());
    Press(' ');
    ASSERT_EQ(world.view.status.rfind("Keys/Min: ", 0), 0u) << world.view.status;
    Type("fj");
    AskWith(std::string("dk"));
    EXPECT_TRUE(world.view.status.empty()) << world.view.status;
}

TEST_F(LetterPracTest, EmptyAnswerKeepsTheLineAndAsksAgainAtTheNextEnd) {
    AskWith(std::string(""));
    EXPECT_FALSE(drill.LineDefined());
    EXPECT_TRUE(drill.Sample().empty());

    AskWith(std::string("jk"));
    const std::string line = drill.Sample();
    Type("jk");
    AskWith(std::string(""));
    EXPECT_EQ(drill.Sample(), line);
    EXPECT_FALSE(drill.LineDefined());
    EXPECT_EQ(drill.Pos(), 1) << "the old line starts again";
    EXPECT_FALSE(world.view.markerVisible);

    const std::size_t asked = world.view.prompts.size();
    world.view.answers.push_back("f");
    Type(line);
    Press('x');  // completes the line: the question comes again
    EXPECT_EQ(world.view.prompts.size(), asked + 1);
    EXPECT_EQ(drill.Sample().size(), 51u);
}

TEST_F(LetterPracTest, CompletedLineShowsStatisticsAndStartsTheSameLineAgain) {
    AskWith(std::string("fj"));
    const std::string line = drill.Sample();
    const int clearsBefore = world.view.inputClears;
    Type(line);
    world.clock.now += 6000;
    Press(' ');
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_EQ(world.view.status.rfind("Keys/Min: ", 0), 0u) << world.view.status;
    EXPECT_EQ(drill.Sample(), line);
    EXPECT_EQ(drill.Pos(), 1);
    EXPECT_GT(world.view.inputClears, clearsBefore);
    EXPECT_EQ(drill.PracticeTime(), 6000);
    EXPECT_EQ(world.view.prompts.size(), 1u) << "no question while letters are defined";

    // Enter ends the line early and also starts it again.
    Type("fj");
    unsigned char enter = kCarriageReturn;
    drill.InputEditKeyPress(enter);
    EXPECT_EQ(drill.Outcome(), LineOutcome::loEnter);
    EXPECT_EQ(drill.Pos(), 1);
    EXPECT_EQ(drill.Sample(), line);
}

TEST_F(LetterPracTest, InsertAbandonsTheLineInProgressWithoutCountingItsTime) {
    AskWith(std::string("as"));
    Type("as a");
    world.clock.now += 5000;
    AskWith(std::string("df"));
    EXPECT_FALSE(drill.Started());
    EXPECT_FALSE(world.view.markerVisible);
    EXPECT_EQ(drill.Sample().substr(0, 5), "df df");

    Type(drill.Sample());
    world.clock.now += 3000;
    Press('!');
    EXPECT_EQ(drill.PracticeTime(), 3000);
}

TEST_F(LetterPracTest, NavigationKeysAreCancelledAndOthersPass) {
    for (int key : {VK_END, VK_HOME, VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_DELETE}) {
        EXPECT_TRUE(drill.InputEditKeyDown(key)) << key;
    }
    EXPECT_TRUE(world.view.prompts.empty());
    for (int key : {VK_PRIOR, VK_NEXT, int{'A'}, 0x20}) {
        EXPECT_FALSE(drill.InputEditKeyDown(key)) << key;
    }
}

}  // namespace
}  // namespace zq

namespace zq {
namespace {

TEST(LetterPracPracticeLineTest, AGivenLineIsPractisedWithoutAQuestionAndInsertStillAsks) {
    testing::DrillSurroundings world;
    RepeatedLine weakKeys("quiz zap quiz", "Practising q, z");
    TFmLetterPrac drill(world.view, world.watch, world.Guidance());
    drill.FormCreate();
    drill.Practise(weakKeys);

    EXPECT_TRUE(world.view.prompts.empty());
    EXPECT_EQ(drill.Sample(), "quiz zap quiz");
    EXPECT_EQ(drill.WordCount(), 3);
    EXPECT_EQ(drill.Pos(), 1);
    EXPECT_EQ(world.view.status, "Practising q, z");
    EXPECT_EQ(world.keyboard.highlighted.back(), 'q');

    for (const char key : std::string("quiz zap quiz!")) {
        unsigned char code = static_cast<unsigned char>(key);
        drill.InputEditKeyPress(code);
    }
    EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
    EXPECT_EQ(drill.Sample(), "quiz zap quiz") << "the line comes again";
    EXPECT_TRUE(world.view.prompts.empty());

    world.view.answers.push_back("asdf");
    drill.InputEditKeyDown(VK_INSERT);
    EXPECT_EQ(world.view.prompts.size(), 1u);
    EXPECT_EQ(drill.Sample().substr(0, 9), "asdf asdf");
}

}  // namespace
}  // namespace zq

namespace zq {
namespace {

TEST(LetterPracPracticeLineTest, AnEmptyGivenLineLeavesTheDrillAskingForLetters) {
    testing::DrillSurroundings world;
    RepeatedLine nothing("", "Practising nothing");
    TFmLetterPrac drill(world.view, world.watch, world.Guidance());
    drill.FormCreate();
    drill.Practise(nothing);

    EXPECT_FALSE(drill.LineDefined());
    EXPECT_EQ(world.view.status, "Please press the Insert key for defining the example line.");
    world.view.answers.push_back("fj");
    unsigned char key = 'f';
    drill.InputEditKeyPress(key);
    EXPECT_EQ(world.view.prompts.size(), 1u) << "the first key asks for letters";
    EXPECT_EQ(drill.Sample().substr(0, 5), "fj fj");
}

}  // namespace
}  // namespace zq
