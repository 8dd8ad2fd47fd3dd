// zq-template from-xkb LAYOUT[(VARIANT)] [--code-page N]: writes to
// standard output the description of a 105-key PC keyboard for one
// keyboard layout of the system's XKB data.

#include <iostream>
#include <optional>
#include <stdexcept>

#include "Commands.h"
#include "base/CodePage.h"
#include "base/Numbers.h"
#include "templates/Description.h"
#include "templates/XkbLayout.h"
#include "templates/XkbTemplate.h"

namespace zq {
namespace {

constexpr const char* kUsage = "usage: zq-template from-xkb LAYOUT[(VARIANT)] [--code-page N]\n";

struct Options {
    std::string layout;
    int codePage = 1252;
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

}  // namespace

int RunFromXkb(const std::vector<std::string>& args) {
    const std::optional<Options> options = ParseOptions(args);
    if (!options) {
        std::cerr << kUsage;
        return 2;
    }
    SetSystemCodePage(options->codePage);
    if (!IsKnownCodePage()) {
        std::cerr << "zq-template from-xkb: code page " << options->codePage
                  << " is not known to the system\n";
        return 1;
    }
    try {
        const XkbLayout layout(options->layout);
        std::cout << "# Made by: zq-template from-xkb " << options->layout
                  << (options->codePage != 1252 ? " --code-page " + std::to_string(options->codePage) : "")
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
