#include "course/ReadableGroups.h"

#include "course/UnicodeText.h"

namespace zq {
namespace {

bool IsPartOfWord(char32_t ch) {
    return IsLetter(ch) || IsCombiningMark(ch);
}

std::string Quoted(char32_t ch) {
    // Built by appending: GCC 12 warns wrongly about "'" + text.
    std::string quoted = "'";
    quoted += ToUtf8Text(std::u32string(1, ch));
    quoted += "'";
    return quoted;
}

// The fault of one word, a run of letters and marks.
std::optional<std::string> WordFault(std::u32string_view word) {
    if (IsCombiningMark(word.front())) return "begins with the combining mark " + Quoted(word.front());
    if (IsFinalForm(word.front())) return "begins with the final form " + Quoted(word.front());
    for (std::size_t i = 1; i < word.size(); ++i) {
        if (IsCombiningMark(word[i]) && word[i] == word[i - 1])
            return "has the combining mark " + Quoted(word[i]) + " twice on one letter";
        if (IsBaseLetter(word[i])) {
            std::size_t last = i - 1;
            while (last > 0 && IsCombiningMark(word[last])) --last;
            if (IsFinalForm(word[last]))
                return "has the final form " + Quoted(word[last]) + " before the letter " + Quoted(word[i]);
        }
    }
    return std::nullopt;
}

bool StartsAGroupAlone(char32_t ch) {
    return IsCombiningMark(ch) || IsFinalForm(ch);
}

}  // namespace

std::optional<std::string> UnreadableGroupFault(std::u32string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        while (start < text.size() && !IsPartOfWord(text[start])) ++start;
        std::size_t end = start;
        while (end < text.size() && IsPartOfWord(text[end])) ++end;
        if (end > start) {
            std::optional<std::string> fault = WordFault(text.substr(start, end - start));
            if (fault) {
                // Built by appending: GCC 12 warns wrongly about "\"" + text.
                std::string told = "\"";
                told += ToUtf8Text(text.substr(start, end - start));
                told += "\" ";
                told += *fault;
                return told;
            }
        }
        start = end;
    }
    return std::nullopt;
}

std::vector<std::u32string> ReadableGroups(std::u32string_view token, char32_t carrier) {
    if (IsReadableGroup(token)) return {std::u32string(token)};
    std::vector<std::u32string> groups;
    std::u32string group;
    bool finalSeen = false;  // the group holds a final form: it ends there
    for (const char32_t ch : token) {
        const bool mark = IsCombiningMark(ch);
        const bool cut = !group.empty() && ((mark && group.back() == ch) || (!mark && finalSeen));
        if (cut) {
            groups.push_back(std::move(group));
            group.clear();
            finalSeen = false;
        }
        group += ch;
        finalSeen = finalSeen || IsFinalForm(ch);
    }
    if (!group.empty()) groups.push_back(std::move(group));
    for (std::u32string& cutGroup : groups)
        if (carrier != 0 && StartsAGroupAlone(cutGroup.front())) cutGroup.insert(cutGroup.begin(), carrier);
    return groups;
}

}  // namespace zq
