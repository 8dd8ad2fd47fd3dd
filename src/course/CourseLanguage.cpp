#include "course/CourseLanguage.h"

#include <algorithm>
#include <array>
#include <initializer_list>

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

enum class Script { Latin, Cyrillic, Greek, Hebrew, Arabic, Thai, Other };

struct LetterRange {
    char32_t first, last;
};

// The letters of each script the code pages write, without the digits,
// marks, presentation forms and ligatures among them.
constexpr LetterRange kLatin[] = {{0x41, 0x5A},   {0x61, 0x7A},     {0xC0, 0x24F},    {0x250, 0x2AF},
                                  {0x2BB, 0x2BC}, {0x1E00, 0x1EFF}, {0x2C60, 0x2C7F}, {0xA720, 0xA7FF}};
constexpr LetterRange kLatinDigraphs[] = {{0x1C4, 0x1CC}, {0x1F1, 0x1F3}};  // ǆ ǉ ǌ ǳ: two letters in one
// The historic letters (ѣ, ѫ, ѳ: 0x460 to 0x481) no living language writes.
constexpr LetterRange kCyrillic[] = {{0x400, 0x45F}, {0x48A, 0x52F}};
constexpr LetterRange kCyrillicStressed[] = {{0x400, 0x400}, {0x40D, 0x40D}, {0x450, 0x450}, {0x45D, 0x45D}};
constexpr LetterRange kGreek[] = {{0x370, 0x3FF}, {0x1F00, 0x1FFF}};
constexpr LetterRange kHebrew[] = {{0x5D0, 0x5F2}};
constexpr LetterRange kArabic[] = {{0x620, 0x64A}, {0x66E, 0x66F}, {0x671, 0x6D3}, {0x6D5, 0x6D5},
                                   {0x6EE, 0x6EF}, {0x6FA, 0x6FF}, {0x750, 0x77F}, {0x8A0, 0x8C9}};
constexpr LetterRange kThai[] = {{0xE01, 0xE30}, {0xE32, 0xE33}, {0xE40, 0xE46}};

template <std::size_t N>
bool InRanges(char32_t ch, const LetterRange (&ranges)[N]) {
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [ch](const LetterRange& range) { return ch >= range.first && ch <= range.last; });
}

Script ScriptOfCodePage(int codePage) {
    switch (codePage) {
        case 874:
            return Script::Thai;
        case 1251:
            return Script::Cyrillic;
        case 1253:
            return Script::Greek;
        case 1255:
            return Script::Hebrew;
        case 1256:
            return Script::Arabic;
        default:
            return WritesWithAsciiLetters(codePage) ? Script::Latin : Script::Other;
    }
}

bool IsLetterOfScript(char32_t ch, Script script) {
    switch (script) {
        case Script::Latin:
            return InRanges(ch, kLatin) && !InRanges(ch, kLatinDigraphs);
        case Script::Cyrillic:
            return InRanges(ch, kCyrillic) && !InRanges(ch, kCyrillicStressed);
        case Script::Greek:
            return InRanges(ch, kGreek);
        case Script::Hebrew:
            return InRanges(ch, kHebrew);
        case Script::Arabic:
            return InRanges(ch, kArabic);
        case Script::Thai:
            return InRanges(ch, kThai);
        case Script::Other:
            return false;
    }
    return false;
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

// The letters the layout types at these levels on the keys of the main
// block, in key order, each once.
std::u32string LettersAt(const XkbLayout& layout, std::initializer_list<Modifiers> levels) {
    std::u32string letters;
    for (const PcKey& key : PcKeyboard(KeyboardShape::Iso)) {
        if (key.role != KeyRole::Character) continue;
        for (const Modifiers level : levels) {
            const char32_t ch = KeysymCharacter(layout.PressKey(key.xkbName, level).keysym);
            if (ch != 0 && IsLetter(ch) && letters.find(ch) == std::u32string::npos) letters += ch;
        }
    }
    return letters;
}

}  // namespace

std::u32string PlainLetters(const XkbLayout& layout) {
    return LettersAt(layout, {Modifiers{}});
}

std::u32string LettersAtEveryLevel(const XkbLayout& layout) {
    return LettersAt(layout, {Modifiers{}, Modifiers{.shift = true}, Modifiers{.altGr = true},
                              Modifiers{.shift = true, .altGr = true}});
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

std::u32string LettersLeftOut(const std::u32string& letters, int codePage) {
    const Script script = ScriptOfCodePage(codePage);
    std::u32string leftOut;
    for (const char32_t ch : letters)
        if (IsLetterOfScript(ch, script) && !CodeOfChar(ch, codePage)) leftOut += ch;
    return leftOut;
}

}  // namespace zq
