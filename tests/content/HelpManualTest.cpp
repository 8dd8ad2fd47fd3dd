// The help manuals in the program folder: every link inside a manual leads
// to a place in it, every picture is there, and the translations have the
// same chapters and pictures as the English manual.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <regex>
#include <set>
#include <string>

#include "base/TextFile.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

const fs::path kHelpDir = fs::path(ZQ_PROGRAM_DIR) / "help";
// A place that a link can lead to.
const std::string kPlace = R"re(<a name="([^"]+)">)re";

// The first group of every match of the pattern.
std::set<std::string> Matches(const std::string& text, const std::string& pattern) {
    std::set<std::string> found;
    const std::regex expression(pattern);
    for (auto it = std::sregex_iterator(text.begin(), text.end(), expression); it != std::sregex_iterator();
         ++it)
        found.insert((*it)[1].str());
    return found;
}

struct Manual {
    std::string language;  // "" for English
    std::string file;
};

void PrintTo(const Manual& manual, std::ostream* out) {
    *out << manual.file;
}

class HelpManualTest : public ::testing::TestWithParam<Manual> {
protected:
    std::string Html() const { return ReadFileBytes((kHelpDir / GetParam().file).string()); }
};

TEST_P(HelpManualTest, LinksLeadToPlacesOfTheManualAndPicturesAreThere) {
    const std::string html = Html();
    ASSERT_FALSE(html.empty()) << GetParam().file << " is missing from " << kHelpDir;
    const std::set<std::string> places = Matches(html, kPlace);
    for (const std::string& link : Matches(html, R"re(href="#([^"]+)")re"))
        EXPECT_TRUE(places.contains(link)) << GetParam().file << ": no place \"" << link << "\"";
    const std::set<std::string> pictures = Matches(html, R"re(<img src="([^"]+)")re");
    EXPECT_THAT(pictures, ::testing::Not(::testing::IsEmpty()));
    for (const std::string& picture : pictures)
        EXPECT_TRUE(fs::is_regular_file(kHelpDir / picture)) << GetParam().file << ": no picture " << picture;
    EXPECT_TRUE(fs::is_regular_file(kHelpDir / "manual.css"));
}

TEST_P(HelpManualTest, HasTheChaptersAndPicturesOfTheEnglishManual) {
    const std::string english = ReadFileBytes((kHelpDir / "manual.html").string());
    const std::string html = Html();
    const std::string language = GetParam().language.empty() ? "en" : GetParam().language;
    EXPECT_THAT(html, ::testing::HasSubstr("<html lang=\"" + language + "\">"));
    EXPECT_EQ(Matches(html, kPlace), Matches(english, kPlace));
    // The same pictures, each taken in the manual's own language.
    std::set<std::string> pictures;
    for (const std::string& picture : Matches(html, R"re(<img src="images/([^"]+)")re")) {
        EXPECT_EQ(picture.substr(0, language.size() + 1), language + "/") << picture;
        pictures.insert(picture.substr(picture.find('/') + 1));
    }
    std::set<std::string> englishPictures;
    for (const std::string& picture : Matches(english, R"re(<img src="images/en/([^"]+)")re"))
        englishPictures.insert(picture);
    EXPECT_EQ(pictures, englishPictures);
}

INSTANTIATE_TEST_SUITE_P(Languages, HelpManualTest,
                         ::testing::Values(Manual{"", "manual.html"}, Manual{"fr", "manual.fr.html"},
                                           Manual{"de", "manual.de.html"}),
                         [](const ::testing::TestParamInfo<Manual>& info) {
                             return info.param.language.empty() ? std::string("en") : info.param.language;
                         });

}  // namespace
}  // namespace zq
