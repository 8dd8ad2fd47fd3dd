#include "drills/TFmSentencePrac.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "DrillFakes.h"
#include "DrillFiles.h"
#include "base/LibraryError.h"
#include "base/TextFile.h"
#include "drills/SentenceLines.h"

namespace zq {
namespace {

class SentencePracTest : public ::testing::Test {
protected:
    SentencePracTest() : drill(world.view, world.watch, world.Guidance()) { drill.FormCreate(); }

    // Practises the sentences of a "Practice.txt" of `content`; gives the
    // lines read from it.
    std::vector<std::string> Load(std::string_view content) {
        std::vector<std::string> read = ReadTextLines(files.Write("Practice.txt", content));
        auto sentences = std::make_unique<SentenceLines>(read, 7);
        drill.Practise(*sentences);
        lines = std::move(sentences);
        return read;
    }
    void Press(unsigned char key) { drill.InputEditKeyPress(key); }
    void TypeSampleWith(int wrong) {
        const std::string sample = drill.Sample();
        for (size_t i = 0; i < sample.size(); ++i) Press(static_cast<int>(i) < wrong ? '#' : sample[i]);
        Press(' ');
    }

    testing::DrillSurroundings world;
    testing::DrillFiles files;
    std::unique_ptr<SentenceLines> lines;
    TFmSentencePrac drill;
};

TEST_F(SentencePracTest, LinesAreTrimmedWhenUsedAndABlankLineIsAnEmptySample) {
    ASSERT_EQ(Load("abc\r\n\r\n  def  "), (std::vector<std::string>{"abc", "", "  def  "}));
    std::set<std::string> offered;
    for (int i = 0; i < 200; ++i) {
        offered.insert(drill.Sample());
        EXPECT_EQ(drill.SampleLength(), static_cast<int>(drill.Sample().size()));
        EXPECT_EQ(drill.Pos(), 1);
        drill.NextLine();
    }
    EXPECT_EQ(offered, (std::set<std::string>{"abc", "", "def"}));
}

TEST_F(SentencePracTest, EveryKindOfLineBreakGivesTheSameLinesAndUtf8IsConverted) {
    for (const char* content : {"one\rtwo\r", "one\ntwo\n", "one\r\ntwo", "one\r\ntwo\r\n\0three"}) {
        EXPECT_EQ(Load(std::string_view(content, std::char_traits<char>::length(content))),
                  (std::vector<std::string>{"one", "two"}))
            << content;
    }
    EXPECT_EQ(Load("caf\xc3\xa9\n"), std::vector<std::string>{"caf\xe9"});
    EXPECT_EQ(drill.Sample(), "caf\xe9");
}

TEST_F(SentencePracTest, TheSameSentenceMayComeTwiceInARow) {
    Load("first\nsecond\n");
    int repeats = 0;
    std::string previous = drill.Sample();
    for (int i = 0; i < 100; ++i) {
        drill.NextLine();
        if (drill.Sample() == previous) ++repeats;
        previous = drill.Sample();
    }
    EXPECT_GT(repeats, 10);
    EXPECT_LT(repeats, 90);
}

TEST_F(SentencePracTest, ALineBelowNinetyFivePercentIsOfferedAgainWithFreshMarks) {
    std::string content;
    for (int i = 0; i < 50; ++i) content += "line number " + std::to_string(i) + " of many\n";
    Load(content);
    const std::string first = drill.Sample();
    for (int attempt = 0; attempt < 5; ++attempt) {
        TypeSampleWith(3);  // about 85 %
        EXPECT_EQ(drill.Sample(), first);
        EXPECT_NE(world.view.status.find("Accuracy below 95 %: the line comes again."), std::string::npos)
            << world.view.status;
        EXPECT_EQ(drill.Pos(), 1);
        EXPECT_EQ(std::count(drill.Marks().begin(), drill.Marks().end(), true), 0);
    }
    int changes = 0;
    for (int attempt = 0; attempt < 5; ++attempt) {
        const std::string before = drill.Sample();
        TypeSampleWith(0);
        if (drill.Sample() != before) ++changes;
        EXPECT_EQ(world.view.status.find("comes again"), std::string::npos) << world.view.status;
    }
    EXPECT_GE(changes, 4) << "a passed line is followed by a random one";
}

TEST_F(SentencePracTest, EnterInTheMiddleGivesANewRandomLineWithoutStatistics) {
    std::string content;
    for (int i = 0; i < 50; ++i) content += "sentence " + std::to_string(i) + "\n";
    Load(content);
    int changes = 0;
    for (int i = 0; i < 5; ++i) {
        const std::string before = drill.Sample();
        Press(before[0]);
        Press(kCarriageReturn);
        EXPECT_EQ(drill.Outcome(), LineOutcome::loEnter);
        if (drill.Sample() != before) ++changes;
    }
    EXPECT_GE(changes, 4);
    EXPECT_EQ(world.view.status, "Line skipped with Enter.");
}

TEST_F(SentencePracTest, AnEmptyFileGivesEmptySamplesAndNeverPicksALine) {
    EXPECT_TRUE(Load("").empty());
    EXPECT_EQ(drill.Sample(), "");
    for (int i = 0; i < 3; ++i) {
        Press('a');
        EXPECT_EQ(drill.Outcome(), LineOutcome::loCompleted);
        EXPECT_EQ(drill.Sample(), "");
    }
    EXPECT_TRUE(ReadTextLines(files.Write("empty.txt", "")).empty());
}

TEST_F(SentencePracTest, AMissingFileRaisesTheCannotOpenMessageWithItsFullPath) {
    const std::string path = files.PathOf("missing.txt");
    try {
        ReadTextLines(path);
        FAIL() << "no error raised";
    } catch (const LibraryError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Cannot open file \"" + path + "\". ", 0), 0u)
            << error.what();
    }
}

TEST_F(SentencePracTest, TheFirstKeyOfANewLineIsLit) {
    world.keyboard.fingers = {{'q', 0}};
    Load("quick\n");
    EXPECT_EQ(world.keyboard.highlighted.back(), 'q');
    EXPECT_EQ(world.leftHand.pointed, 1);
    EXPECT_EQ(drill.WordCount(), 1);
}

}  // namespace
}  // namespace zq
