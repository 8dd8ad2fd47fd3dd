#include "stats/ProgressTexts.h"

#include "base/Translation.h"
#include "base/Utf8Char.h"
#include "stats/KeyRanking.h"
#include "stats/PairRanking.h"

namespace zq {

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
    return Format(Tr("%s typed for %s: %d times"), {typed, expected, std::to_string(confusion.count)});
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

std::string PracticeDuration(std::int64_t milliseconds) {
    const std::int64_t minutes = milliseconds / 60'000;
    return Format(Tr("%d h %d m"), {std::to_string(minutes / 60), std::to_string(minutes % 60)});
}

}  // namespace zq
