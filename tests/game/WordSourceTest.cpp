#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "../support/TempFolder.h"
#include "../support/Utf16Bytes.h"
#include "GameFakes.h"
#include "game/WordFile.h"
#include "game/strikerSourceType.h"

namespace zq {
namespace {

using testing::ScriptedRandom;

std::vector<std::string> Words(const strikerSourceType& source, std::int32_t group) {
    return {source.Group(group).begin(), source.Group(group).end()};
}

class WordSourceTest : public ::testing::Test {
protected:
    // A source on a word file of the given bytes, loaded.
    strikerSourceType& Load(const std::string& bytes) {
        folder_.Write("Game.txt", bytes);
        source_ =
            std::make_unique<strikerSourceType>(folder_.File("Game.txt"), settings, random, groupPointer);
        source_->Load();
        return *source_;
    }
    strikerSourceType& source() { return *source_; }
    std::string Path(const std::string& name) const { return folder_.File(name); }

    TGameSettings settings;
    ScriptedRandom random;
    std::atomic<std::int32_t> groupPointer{1};

private:
    test::TempFolder folder_;
    std::unique_ptr<strikerSourceType> source_;
};

TEST_F(WordSourceTest, AnEmptyLineEndsAGroupAndSeveralCountAsOne) {
    Load("a b\n\nc\n");
    EXPECT_EQ(source().GroupCount, 2);
    EXPECT_EQ(Words(source(), 1), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(Words(source(), 2), (std::vector<std::string>{"c"}));

    Load("a\r\n\r\n\r\n");
    EXPECT_EQ(source().GroupCount, 2) << "empty lines after the last words make one more, empty group";
    EXPECT_TRUE(Words(source(), 2).empty());

    Load("\n\n\nx\n\n\n\ny");
    EXPECT_EQ(source().GroupCount, 2) << "empty lines before the first words count for nothing";
    EXPECT_EQ(Words(source(), 1), (std::vector<std::string>{"x"}));
    EXPECT_EQ(Words(source(), 2), (std::vector<std::string>{"y"}));
}

TEST_F(WordSourceTest, OnlySpacesSeparateWordsAndWordsKeepFileOrderAndDuplicates) {
    Load("   a    b   \nb\ta a\n");
    EXPECT_EQ(source().GroupCount, 1);
    EXPECT_EQ(Words(source(), 1), (std::vector<std::string>{"a", "b", "b\ta", "a"}));
}

TEST_F(WordSourceTest, ALineOfSpacesIsNotEmptyButAddsNoWord) {
    Load("a\n    \nb");
    EXPECT_EQ(source().GroupCount, 1);
    EXPECT_EQ(Words(source(), 1), (std::vector<std::string>{"a", "b"}));

    Load("a\n\n   \n\nb");
    EXPECT_EQ(source().GroupCount, 3) << "the empty line after the spaces ends the group";
    EXPECT_TRUE(Words(source(), 2).empty());
    EXPECT_EQ(Words(source(), 3), (std::vector<std::string>{"b"}));
}

TEST_F(WordSourceTest, AFileWithoutWordsHasOneGroupAndNoWordToDraw) {
    for (const std::string bytes : {"", "   \n  ", "\n\n"}) {
        Load(bytes);
        EXPECT_EQ(source().GroupCount, 1) << '"' << bytes << '"';
        EXPECT_FALSE(source().Next());
        EXPECT_TRUE(source().Exhausted(1));
        EXPECT_EQ(source().ExhaustedCount, 1);
    }
}

TEST_F(WordSourceTest, GroupsPastTheSixtiethAreFoldedIntoIt) {
    std::string bytes;
    for (int group = 1; group <= 70; ++group) {
        bytes += 'w';
        bytes += std::to_string(group);
        bytes += "\n\n";
    }
    Load(bytes);
    EXPECT_EQ(source().GroupCount, 60);
    EXPECT_EQ(Words(source(), 59), (std::vector<std::string>{"w59"}));
    EXPECT_EQ(Words(source(), 60).size(), 11u);
    EXPECT_EQ(Words(source(), 60).back(), "w70");
}

// A word file saved as "Unicode" by a Windows editor gives its words, in
// the course's code page.
TEST_F(WordSourceTest, AUtf16FileGivesItsWords) {
    settings.WordsCodePage = 1251;
    for (const bool bigEndian : {false, true}) {
        Load(test::Utf16Bytes(u"one two\r\n\r\n\u0434\u0430 three\r\n", bigEndian));
        EXPECT_EQ(source().GroupCount, 2);
        EXPECT_EQ(Words(source(), 1), (std::vector<std::string>{"one", "two"}));
        EXPECT_EQ(Words(source(), 2), (std::vector<std::string>{"\xE4\xE0", "three"}));
    }
}

// The library's error comes first; the file and the system's reason follow,
// so that the player knows which file to look for.
TEST_F(WordSourceTest, AFileThatCannotBeReadRaisesTheInputOutputErrorNamingTheFile) {
    strikerSourceType missing(Path("none.txt"), settings, random, groupPointer);
    try {
        missing.Load();
        FAIL() << "no error";
    } catch (const LibraryError& error) {
        EXPECT_EQ(std::string(error.what()), "File not found\n\nCannot open file \"" + Path("none.txt") +
                                                 "\". No such file or directory");
    }

    strikerSourceType folder(Path(""), settings, random, groupPointer);
    try {
        folder.Load();
        FAIL() << "no error";
    } catch (const LibraryError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "I/O error 21\n\nCannot open file \"" + Path("") + "\". Is a directory");
    }
}

TEST_F(WordSourceTest, LargeAndStrangeFilesLoad) {
    std::string big;
    while (big.size() < 10 * 1024 * 1024) big += "alpha beta gamma delta\n\n";
    Load(big);
    EXPECT_EQ(source().GroupCount, 60);
    EXPECT_GT(Words(source(), 60).size(), 1'000'000u);

    std::string binary;  // every byte but NUL, in words no longer than a game word may be
    for (int round = 0; round < 64; ++round)
        for (int byte = 1; byte < 256; ++byte) {
            binary += static_cast<char>((byte * 7 + round) % 255 + 1);
            if (binary.size() % (kLongestGameWord + 1) == kLongestGameWord) binary += ' ';
        }
    Load(binary);
    for (std::int32_t group = 1; group <= source().GroupCount; ++group)
        for (const std::string& word : Words(source(), group)) {
            EXPECT_FALSE(word.empty());
            EXPECT_EQ(word.find(' '), std::string::npos);
        }
}

// A word falls whole across the playing area: a longer one (a line without
// blanks, a file that is no list of words) is refused, naming its file and
// line, rather than dropped across the whole window, cut at both edges.
TEST_F(WordSourceTest, AWordLongerThanTheBoundIsRefusedWithItsFileAndLine) {
    const std::string longest(kLongestGameWord, 'w');
    Load("a\n\n" + longest + " b\n");
    EXPECT_EQ(Words(source(), 2), (std::vector<std::string>{longest, "b"}));

    for (const std::size_t length : {kLongestGameWord + 1, std::size_t{5'000'000}}) {
        try {
            Load("a b\r\n\r\nc " + std::string(length, 'w') + " d\r\n");
            FAIL() << length << " letters loaded";
        } catch (const LibraryError& error) {
            EXPECT_EQ(std::string(error.what()), "Line 3 of the file " + Path("Game.txt") +
                                                     " holds a word of more than 30 characters: each word of "
                                                     "the game must fit across its window.");
        }
    }
}

// A file far larger than any list of words (a disk image chosen by mistake)
// is refused unread.
TEST_F(WordSourceTest, AFileLargerThanAnyWordListIsRefused) {
    std::ofstream(Path("image.txt"));
    std::filesystem::resize_file(Path("image.txt"), kLargestWordFile + 1);  // zeros, without the disk's room
    strikerSourceType image(Path("image.txt"), settings, random, groupPointer);
    try {
        image.Load();
        FAIL() << "no error";
    } catch (const LibraryError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "I/O error 27\n\nCannot open file \"" + Path("image.txt") + "\". File too large");
    }
}

TEST_F(WordSourceTest, TheFirstWordOfARunComesFromGroupTwoAndTheRotationCarriesOver) {
    Load("a\n\nb\n\nc");
    random.script = {0, 0};  // the chance roll passes; the only word
    ASSERT_TRUE(source().Next());
    EXPECT_EQ(source().Current->Text, "b");
    EXPECT_EQ(groupPointer.load(), 2);

    // The next game of the run goes on from group 3.
    Load("a\n\nb\n\nc");
    random.script = {0, 0};
    ASSERT_TRUE(source().Next());
    EXPECT_EQ(source().Current->Text, "c");
    random.script = {0, 0};
    ASSERT_TRUE(source().Next());
    EXPECT_EQ(source().Current->Text, "a") << "after the last group comes the first";

    groupPointer = 1;
    Load("only");
    random.script = {0, 0};
    ASSERT_TRUE(source().Next());
    EXPECT_EQ(source().Current->Text, "only") << "a file of one group starts in group 1";
}

TEST_F(WordSourceTest, AGroupThatLosesItsChanceRollPassesItsTurn) {
    Load("a\n\nb\n\nc");
    random.script = {99, 0, 0};  // group 2 (50 %) fails, group 3 (70 %) passes
    ASSERT_TRUE(source().Next());
    EXPECT_EQ(source().Current->Text, "c");
    EXPECT_EQ(groupPointer.load(), 3);
}

TEST_F(WordSourceTest, ADrawnWordLeavesItsGroupForGood) {
    Load("a b c d e");
    std::multiset<std::string> drawn;
    for (int i = 0; i < 5; ++i) {
        ASSERT_TRUE(source().Next());
        drawn.insert(source().Current->Text);
    }
    EXPECT_EQ(drawn, (std::multiset<std::string>{"a", "b", "c", "d", "e"}));
    EXPECT_FALSE(source().Next());
}

TEST_F(WordSourceTest, WhenEveryGroupIsEmptyNextVisitsEachOnceAndGivesUp) {
    Load("a\n\n\n\nb\n\n");
    ASSERT_EQ(source().GroupCount, 3);
    for (int i = 0; i < 2; ++i) {
        random.script = {0, 0};
        ASSERT_TRUE(source().Next()) << i;
    }
    random.draws = 0;
    EXPECT_FALSE(source().Next());
    EXPECT_EQ(source().ExhaustedCount, 3);
    EXPECT_EQ(random.draws, 3) << "one chance roll per group";
}

TEST_F(WordSourceTest, AnEmptyGroupIsMarkedWhateverTheChanceRollGave) {
    Load("a\n\n \n\nb\n\nc");
    groupPointer = 1;
    random.script = {99, 0, 0};  // group 2 is empty and loses its roll; group 3 wins
    ASSERT_TRUE(source().Next());
    EXPECT_EQ(source().Current->Text, "b");
    EXPECT_TRUE(source().Exhausted(2));
    EXPECT_EQ(source().ExhaustedCount, 1);
}

TEST_F(WordSourceTest, ANewWordIsPlacedARandomDistanceRightOfTheLastOne) {
    settings.Columns = 80;
    settings.CellSize = 16;
    Load("abc abc abc");
    source().LastColumn = 75;
    source().LastLen = 6;
    random.script = {0, 0, 0};
    ASSERT_TRUE(source().Next());
    EXPECT_EQ(source().Current->Column, 2) << "(0 + 81) mod 80 + 1";
    EXPECT_EQ(source().Current->X, 16);
    EXPECT_EQ(source().Current->Y, 0);
    EXPECT_EQ(source().Current->Typed, -1);
    EXPECT_EQ(source().Current->State, wsFalling);
    EXPECT_EQ(source().LastColumn, 2);
    EXPECT_EQ(source().LastLen, 3);

    source().LastColumn = 75;
    source().LastLen = 6;
    random.script = {0, 0, 39};
    ASSERT_TRUE(source().Next());
    EXPECT_EQ(source().Current->Column, 41) << "(39 + 81) mod 80 + 1: the largest distance";
}

TEST_F(WordSourceTest, AWordThatWouldReachTheLastColumnStartsAtColumnOne) {
    settings.Columns = 10;
    Load("ab abc 0123456789 0123456789abc");
    const auto next = [&](std::int32_t pick, std::int32_t lastColumn, std::int32_t lastLen) {
        source().LastColumn = lastColumn;
        source().LastLen = lastLen;
        random.script = {0, pick, 0};
        EXPECT_TRUE(source().Next());
        return source().Current->Text + "@" + std::to_string(source().Current->Column);
    };
    // A drawn word's place in its group is taken by the group's last word.
    EXPECT_EQ(next(0, 5, 2), "ab@8") << "8 + 2 is not past 10";
    EXPECT_EQ(next(1, 5, 2), "abc@1") << "8 + 3 is";
    EXPECT_EQ(next(1, 1, 1), "0123456789@1") << "as long as the columns";
    EXPECT_EQ(next(0, 1, 1), "0123456789abc@1") << "longer than the columns";
}

class FailingRandom : public ScriptedRandom {
public:
    std::int32_t Below(std::int32_t) override { throw std::runtime_error("out of numbers"); }
};

TEST_F(WordSourceTest, AnErrorWhileMakingAWordIsReportedAndEndsTheWords) {
    test::TempFolder folder;
    folder.Write("Game.txt", "a b");
    FailingRandom failing;
    strikerSourceType source(folder.File("Game.txt"), settings, failing, groupPointer);
    source.Load();
    std::vector<std::string> reports;
    source.OnError = [&](const std::string& message) { reports.push_back(message); };
    EXPECT_FALSE(source.Next());
    EXPECT_EQ(reports, (std::vector<std::string>{"out of numbers StrikerSource available"}));
}

}  // namespace
}  // namespace zq
