#include "stats/ProgressTexts.h"

#include "base/CodePage.h"
#include "base/Translation.h"
#include "stats/KeyRanking.h"

namespace zq {

std::string KeyCaption(unsigned char code) {
    switch (code) {
        case 0:
            return Tr("(a character the keyboard does not have)");
        case '\t':
            return Tr("Tab");
        case '\r':
            return Tr("Enter");
        case ' ':
            return Tr("Space");
        default:
            return ToUtf8(std::string(1, static_cast<char>(code)));
    }
}

std::string ConfusionText(const Confusion& confusion) {
    const std::string typed = KeyCaption(confusion.typed);
    const std::string expected = KeyCaption(confusion.expected);
    if (confusion.count == 1) return Format(Tr("%s typed for %s: once"), {typed, expected});
    return Format(Tr("%s typed for %s: %d times"), {typed, expected, std::to_string(confusion.count)});
}

std::string SlowKeyText(const KeyTally& key) {
    return Format(Tr("%s: %d ms"), {KeyCaption(key.code), std::to_string(MeanTimeMs(key))});
}

std::string KeyList(const std::vector<unsigned char>& codes) {
    std::string list;
    for (const unsigned char code : codes) {
        if (!list.empty()) list += ", ";
        list += KeyCaption(code);
    }
    return list;
}

std::string PracticeDuration(std::int64_t milliseconds) {
    const std::int64_t minutes = milliseconds / 60'000;
    return Format(Tr("%d h %d m"), {std::to_string(minutes / 60), std::to_string(minutes % 60)});
}

}  // namespace zq
