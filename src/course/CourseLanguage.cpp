#include "course/CourseLanguage.h"

#include <algorithm>
#include <array>

#include "base/CodePage.h"
#include "course/LanguageCodePages.h"
#include "course/UnicodeText.h"
#include "templates/PcKeyboard.h"
#include "templates/XkbLayout.h"

namespace zq {
namespace {

// Fewer letters than this in a code page make no course: the layout
// writes another script.
constexpr std::size_t kFewestLetters = 20;

constexpr std::array<int, 10> kCodePages = {874, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};

// Every code page holds the ASCII letters, but only the pages of the Latin
// script write their language with them: a Latin layout is no Cyrillic one.
bool WritesWithAsciiLetters(int codePage) {
    return codePage == 1250 || codePage == 1252 || codePage == 1254 || codePage == 1257 || codePage == 1258;
}

std::size_t LettersInCodePage(const std::u32string& letters, int codePage) {
    const CodePageInForce inForce(codePage);
    return static_cast<std::size_t>(std::count_if(letters.begin(), letters.end(), [&](char32_t ch) {
        return CodeOfChar(ch).has_value() && (ch >= 0x80 || WritesWithAsciiLetters(codePage));
    }));
}

std::optional<std::string> PreferredLanguage(const RegistryLayout& entry) {
    const auto& languages = entry.languages;
    const bool listsOwn =
        std::find(languages.begin(), languages.end(), entry.layoutLanguage) != languages.end();
    if (listsOwn && LanguageCodePage(entry.layoutLanguage)) return entry.layoutLanguage;
    for (const std::string& language : languages)
        if (LanguageCodePage(language)) return language;
    return std::nullopt;
}

}  // namespace

std::u32string PlainLetters(const XkbLayout& layout) {
    std::u32string letters;
    for (const PcKey& key : PcKeyboard(KeyboardShape::Iso)) {
        if (key.role != KeyRole::Character) continue;
        const char32_t ch = KeysymCharacter(layout.PressKey(key.xkbName, {}).keysym);
        if (ch != 0 && IsLetter(ch) && letters.find(ch) == std::u32string::npos) letters += ch;
    }
    return letters;
}

std::optional<CourseLanguage> ChooseCourseLanguage(const RegistryLayout& entry,
                                                   const std::u32string& letters) {
    const std::optional<std::string> language = PreferredLanguage(entry);
    if (!language) return std::nullopt;
    CourseLanguage chosen{*language, ShortLanguageCode(*language), *LanguageCodePage(*language)};
    if (LettersInCodePage(letters, chosen.codePage) * 2 >= letters.size() &&
        LettersInCodePage(letters, chosen.codePage) >= kFewestLetters)
        return chosen;
    int bestPage = 0;
    std::size_t bestCount = 0;
    for (const int codePage : kCodePages) {
        const std::size_t count = LettersInCodePage(letters, codePage);
        if (count > bestCount) {
            bestCount = count;
            bestPage = codePage;
        }
    }
    if (bestCount < kFewestLetters) return std::nullopt;
    chosen.codePage = bestPage;
    return chosen;
}

}  // namespace zq
