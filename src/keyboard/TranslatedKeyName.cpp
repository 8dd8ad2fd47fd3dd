#include "keyboard/TranslatedKeyName.h"

#include <utility>

#include "base/Translation.h"
#include "keyboard/KeyHintWords.h"

namespace zq {
namespace {

// One way of typing of a name ("Shift A") or a whole name ("Left Shift").
std::string TranslatedItem(std::string_view item) {
    if (const char* word = FindKeyHintWord(item)) return Tr(word);
    for (const HintPrefix& prefix : HintPrefixes()) {
        if (item.size() > prefix.english.size() && item.starts_with(prefix.english))
            return Format(Tr(prefix.format), {TranslatedItem(item.substr(prefix.english.size()))});
    }
    return std::string(item);
}

}  // namespace

std::string TranslatedKeyName(std::string_view nameUtf8) {
    // The ways of typing are separated by ", "; the first character of a
    // way may be a comma itself (",, Shift ;").
    constexpr std::string_view kSeparator = ", ";
    std::string translated;
    std::size_t start = 0;
    while (start <= nameUtf8.size()) {
        std::size_t end = nameUtf8.find(kSeparator, start + 1);
        if (end == std::string_view::npos) end = nameUtf8.size();
        if (start > 0) translated += kSeparator;
        translated += TranslatedItem(nameUtf8.substr(start, end - start));
        start = end + kSeparator.size();
    }
    return translated;
}

}  // namespace zq
