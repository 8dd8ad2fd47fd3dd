#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zq {

// The plain-text description of a keyboard template (see README.md): what
// `build` reads and `dump` writes. All texts here are UTF-8.
struct DescribedKey {
    std::string name;
    std::int32_t keyValue = 0;
    std::int32_t kind = 0;
    std::int32_t kind2 = 0;
    std::int32_t finger = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::string label;  // "\n" separates the Shift line from the plain line
    std::string hint;
    std::optional<std::string> picture;  // the exact Glyph bytes, when not drawn from the label
};

struct DescribedChar {
    std::string name;
    std::int32_t code = 0;  // 0-255 in the code page
    std::int32_t keyValue = 0;
    bool shift = false;
    bool altGr = false;
    std::int32_t accent = 0;
};

struct KeyboardDescription {
    int codePage = 1252;
    std::vector<std::string> readme;  // lines, in order
    std::vector<DescribedKey> keys;
    std::vector<DescribedChar> chars;  // in stored order
};

// A description, or the first fault found in it (with its line number).
struct DescriptionResult {
    std::optional<KeyboardDescription> description;
    int errorLine = 0;
    std::string error;
};

DescriptionResult ParseDescription(std::string_view text);

// The text of a description; ParseDescription of it gives it back.
std::string FormatDescription(const KeyboardDescription& description);

// The tokens of one line, or nothing when a quoted token is malformed.
std::optional<std::vector<std::string>> SplitTokens(std::string_view line);

// One token: as it stands when it is safe, otherwise in double quotes with
// C escapes.
std::string QuoteToken(std::string_view text);

}  // namespace zq
