#include "FromXkb.h"

#include <cstdio>
#include <iostream>
#include <optional>
#include <stdexcept>

#include "XkbLayout.h"
#include "XkbTemplate.h"
#include "base/CodePage.h"
#include "base/Numbers.h"

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

// A code page the system does not know gives no characters above 127.
bool IsKnownCodePage() {
    for (int code = 128; code < 256; ++code)
        if (CharOfCode(static_cast<unsigned char>(code)) != U'\uFFFD') return true;
    return false;
}

// A token of the description: plain when it is safe, otherwise in double
// quotes with C escapes.
std::string Token(const std::string& text) {
    const bool plain = !text.empty() && text.find_first_of(" \t\"#\\\n\r") == std::string::npos;
    if (plain) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                quoted += "\\\"";
                break;
            case '\\':
                quoted += "\\\\";
                break;
            case '\n':
                quoted += "\\n";
                break;
            case '\t':
                quoted += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
                    quoted += escape;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + "\"";
}

void WriteDescription(std::ostream& out, const TemplateDescription& description) {
    out << "codepage " << description.codePage << "\n\n# Settings\n";
    for (const std::string& line : description.readme) out << "readme " << line << "\n";

    out << "\n# key NAME KEYVALUE KIND KIND2 FINGER X Y WIDTH HEIGHT LABEL HINT\n";
    for (const TemplateKey& key : description.keys)
        out << "key " << Token(key.name) << ' ' << key.keyValue << ' ' << key.kind << ' ' << key.kind2 << ' '
            << key.finger << ' ' << key.rect.x << ' ' << key.rect.y << ' ' << key.rect.width << ' '
            << key.rect.height << ' ' << Token(key.label) << ' ' << Token(key.hint) << "\n";

    out << "\n# char NAME CODE KEYVALUE SHIFT ALTGR ACCENT (the simplest way of a character first)\n";
    for (const TemplateChar& row : description.chars)
        out << "char " << Token(row.name) << ' ' << row.code << ' ' << row.keyValue << ' ' << row.shift << ' '
            << row.altGr << ' ' << row.accent << "\n";
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
        WriteDescription(std::cout, DescribeLayout(layout, options->layout));
    } catch (const std::runtime_error& error) {
        std::cerr << "zq-template from-xkb: " << error.what() << "\n";
        return 1;
    }
    std::cout.flush();
    return std::cout ? 0 : 1;
}

}  // namespace zq
