#include "stats/ProgressTexts.h"

#include <algorithm>

#include "base/Translation.h"
#include "base/Utf8Char.h"
#include "stats/KeyRanking.h"
#include "stats/PairRanking.h"

namespace zq {

namespace {

// A letter that a preceding word may be joined to in some languages: a
// vowel, with or without accents, or h (which French leaves mute in most
// names).
bool IsVowelOrH(char32_t ch) {
    static constexpr std::u32string_view kLetters =
        U"AEIOUYHaeiouyh\u00C0\u00C1\u00C2\u00C3\u00C4\u00C5\u00C6\u00C8\u00C9\u00CA\u00CB"
        U"\u00CC\u00CD\u00CE\u00CF\u00D2\u00D3\u00D4\u00D5\u00D6\u00D8\u00D9\u00DA\u00DB"
        U"\u00DC\u00DD\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E6\u00E8\u00E9\u00EA\u00EB"
        U"\u00EC\u00ED\u00EE\u00EF\u00F2\u00F3\u00F4\u00F5\u00F6\u00F8\u00F9\u00FA\u00FB"
        U"\u00FC\u00FD\u00FF\u0152\u0153";
    return kLetters.find(ch) != std::u32string_view::npos;
}

bool BeginsWithVowelOrH(const std::string& utf8) {
    std::size_t at = 0;
    char32_t first = 0;
    return DecodeUtf8(utf8, at, first) && IsVowelOrH(first);
}

}  // namespace

unsigned long PluralCount(std::int64_t count) {
    return count < 0 ? 0 : static_cast<unsigned long>(count);
}

std::string KeyCaption(char32_t character) {
    switch (character) {
        case 0:
            return Tr("(a character the keyboard does not have)");
        case U'\t':
            return Tr("Tab");
        case U'\r':
            return Tr("Enter");
        case U' ':
            return Tr("Space");
        default:
            return Utf8OfChar(character);
    }
}

std::string ConfusionText(const Confusion& confusion) {
    const std::string typed = KeyCaption(confusion.typed);
    const std::string expected = KeyCaption(confusion.expected);
    if (confusion.count == 1) return Format(Tr("%s typed for %s: once"), {typed, expected});
    return Format(
        TrPlural("%s typed for %s: %d time", "%s typed for %s: %d times", PluralCount(confusion.count)),
        {typed, expected, std::to_string(confusion.count)});
}

std::string PairCaption(char32_t first, char32_t second) {
    return KeyCaption(first) + KeyCaption(second);
}

std::string SlowPairText(const PairTally& pair) {
    return Format(Tr("%s: %d ms"), {PairCaption(pair.first, pair.second), std::to_string(MeanTimeMs(pair))});
}

std::string MissedPairText(const PairTally& pair) {
    return Format(Tr("%s: %d of %d missed"), {PairCaption(pair.first, pair.second),
                                              std::to_string(pair.wrong), std::to_string(pair.typed)});
}

std::string SlowKeyText(const KeyTally& key) {
    return Format(Tr("%s: %d ms"), {KeyCaption(key.character), std::to_string(MeanTimeMs(key))});
}

std::string KeyList(const std::vector<char32_t>& characters) {
    std::string list;
    for (const char32_t character : characters) {
        if (!list.empty()) list += ", ";
        list += KeyCaption(character);
    }
    return list;
}

std::string PairList(const std::vector<PairTally>& pairs) {
    std::string list;
    for (const PairTally& pair : pairs) {
        if (!list.empty()) list += ", ";
        list += PairCaption(pair.first, pair.second);
    }
    return list;
}

std::string ProgressCaption(const std::string& userUtf8) {
    const char* caption = BeginsWithVowelOrH(userUtf8)
                              ? TrInContext("before a name beginning with a vowel or h", "Progress of %s")
                              : Tr("Progress of %s");
    return Format(caption, {userUtf8});
}

std::string WrongOfThem(std::int64_t wrong) {
    return Format(TrPlural("%d of them wrong", "%d of them wrong", PluralCount(wrong)),
                  {std::to_string(wrong)});
}

// With its seconds, as the practice time is told at the close, so that a
// few lines typed do not read as no time at all.
std::string PracticeDuration(std::int64_t milliseconds) {
    const std::int64_t seconds = std::max<std::int64_t>(milliseconds, 0) / 1000;
    return Format(Tr("%d h %d m %d s"), {std::to_string(seconds / 3600), std::to_string(seconds / 60 % 60),
                                         std::to_string(seconds % 60)});
}

}  // namespace zq
