// zq-template from-xkb LAYOUT[(VARIANT)] [--code-page N]: writes to
// standard output the description of a 105-key PC keyboard for one
// keyboard layout of the system's XKB data, in the code page of the
// layout's language unless one is given (1252 for a layout whose language
// has none); the letters of the layout the code page lacks are named on
// standard error.

#include <iostream>
#include <optional>
#include <stdexcept>

#include "Commands.h"
#include "base/CodePage.h"
#include "base/Numbers.h"
#include "base/Utf8Char.h"
#include "course/CourseLanguage.h"
#include "course/LayoutRegistry.h"
#include "templates/Description.h"
#include "templates/XkbLayout.h"
#include "templates/XkbTemplate.h"

namespace zq {
namespace {

constexpr const char* kUsage = "usage: zq-template from-xkb LAYOUT[(VARIANT)] [--code-page N]\n";

constexpr int kWithoutLanguageCodePage = 1252;

struct Options {
    std::string layout;
    std::optional<int> codePage;  // none: the layout's language's
};

std::optional<Options> ParseOptions(const std::vector<std::string>& args) {
    Options options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--code-page") {
            if (i + 1 == args.size()) return std::nullopt;
            const std::optional<std::int32_t> codePage = TryParseDecimalInt32(args[++i]);
            if (!codePage || *codePage <= 0) return std::nullopt;
            options.codePage = *codePage;
        } else if (options.layout.empty() && !args[i].starts_with("-")) {
            options.layout = args[i];
        } else {
            return std::nullopt;
        }
    }
    if (options.layout.empty()) return std::nullopt;
    return options;
}

// The code page of the layout's language, as a course made for it has.
int LanguageCodePageOf(const XkbLayout& layout, const std::string& name) {
    const std::optional<RegistryLayout> entry = FindRegistryLayout(ReadLayoutRegistry(), name);
    if (!entry) return kWithoutLanguageCodePage;
    const std::optional<CourseLanguage> language = ChooseCourseLanguage(*entry, PlainLetters(layout));
    return language ? language->codePage : kWithoutLanguageCodePage;
}

// Tells the letters of the layout's language (those its code page holds)
// that a code page given in its place lacks: its keyboard will not show them.
void WarnOfLettersLeftOut(const XkbLayout& layout, int codePage, int languageCodePage) {
    std::string letters;
    for (const char32_t ch : LettersAtEveryLevel(layout))
        if (CodeOfChar(ch, languageCodePage) && !CodeOfChar(ch, codePage)) AppendUtf8(letters, ch);
    if (letters.empty()) return;
    std::cerr << "zq-template from-xkb: code page " << codePage << " lacks letters of the layout, which the "
              << "template leaves out: " << letters << " (code page " << languageCodePage << " holds them)\n";
}

}  // namespace

int RunFromXkb(const std::vector<std::string>& args) {
    const std::optional<Options> options = ParseOptions(args);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        const XkbLayout layout(options->layout);
        const int languageCodePage = LanguageCodePageOf(layout, options->layout);
        const int codePage = options->codePage.value_or(languageCodePage);
        SetSystemCodePage(codePage);
        if (!IsKnownCodePage()) {
            std::cerr << "zq-template from-xkb: code page " << codePage << " is not known to the system\n";
            return 1;
        }
        WarnOfLettersLeftOut(layout, codePage, languageCodePage);
        std::cout << "# Made by: zq-template from-xkb " << options->layout
                  << (codePage != kWithoutLanguageCodePage || languageCodePage != kWithoutLanguageCodePage
                          ? " --code-page " + std::to_string(codePage)
                          : "")
                  << "\n"
                  << FormatDescription(DescribeLayout(layout, options->layout));
    } catch (const std::runtime_error& error) {
        std::cerr << "zq-template from-xkb: " << error.what() << "\n";
        return 1;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace zq
