#include "templates/Description.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "base/Base64.h"
#include "base/Numbers.h"

namespace zq {

namespace {

constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kPicturePrefix = "picture=";

struct ParseError {
    std::string message;
};

bool IsHexDigit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The rest of a quoted token after its opening quote, up to the closing one.
std::string UnquoteToken(std::string_view line, size_t& at) {
    std::string token;
    while (at < line.size()) {
        const char c = line[at++];
        if (c == '"') return token;
        if (c != '\\') {
            token += c;
            continue;
        }
        if (at >= line.size()) break;
        const char escaped = line[at++];
        switch (escaped) {
            case '"':
                token += '"';
                break;
            case '\\':
                token += '\\';
                break;
            case 'n':
                token += '\n';
                break;
            case 't':
                token += '\t';
                break;
            case 'x':
                if (at + 2 > line.size() || !IsHexDigit(line[at]) || !IsHexDigit(line[at + 1])) {
                    throw ParseError{"\\x needs two hexadecimal digits"};
                }
                token += static_cast<char>(std::stoi(std::string(line.substr(at, 2)), nullptr, 16));
                at += 2;
                break;
            default:
                throw ParseError{std::string("unknown escape \\") + escaped};
        }
    }
    throw ParseError{"a quoted token has no closing quote"};
}

// The tokens of a line; an unquoted token starting with "#" begins a comment.
std::vector<std::string> Tokenize(std::string_view line) {
    std::vector<std::string> tokens;
    size_t at = 0;
    while (true) {
        at = line.find_first_not_of(kBlanks, at);
        if (at == std::string_view::npos || line[at] == '#') return tokens;
        if (line[at] == '"') {
            ++at;
            tokens.push_back(UnquoteToken(line, at));
            if (at < line.size() && kBlanks.find(line[at]) == std::string_view::npos) {
                throw ParseError{"a quoted token must be followed by a blank"};
            }
            continue;
        }
        const size_t end = std::min(line.find_first_of(kBlanks, at), line.size());
        const std::string_view token = line.substr(at, end - at);
        if (token.find('"') != std::string_view::npos)
            throw ParseError{"a quote inside a token: " + std::string(token)};
        tokens.emplace_back(token);
        at = end;
    }
}

std::int32_t Number(const std::string& token, std::string_view what) {
    if (const auto value = TryParseInt32(token)) return *value;
    throw ParseError{std::string(what) + " is not a number: " + token};
}

std::int32_t NumberIn(const std::string& token, std::string_view what, std::int32_t low, std::int32_t high) {
    const std::int32_t value = Number(token, what);
    if (value < low || value > high) {
        throw ParseError{std::string(what) + " must be " + std::to_string(low) + " to " +
                         std::to_string(high) + ": " + token};
    }
    return value;
}

std::string DecodePicture(const std::string& token) {
    std::optional<std::string> decoded = DecodeBase64(std::string_view(token).substr(kPicturePrefix.size()));
    if (!decoded) throw ParseError{"the picture is not valid base64"};
    return std::move(*decoded);
}

DescribedKey ParseKey(const std::vector<std::string>& tokens) {
    if (tokens.size() != 11 && tokens.size() != 12) {
        throw ParseError{"a key line needs NAME KEYVALUE KIND KIND2 FINGER X Y WIDTH HEIGHT LABEL HINT"};
    }
    DescribedKey key;
    key.name = tokens[0];
    key.keyValue = Number(tokens[1], "KEYVALUE");
    key.kind = Number(tokens[2], "KIND");
    key.kind2 = Number(tokens[3], "KIND2");
    key.finger = Number(tokens[4], "FINGER");
    key.x = Number(tokens[5], "X");
    key.y = Number(tokens[6], "Y");
    key.width = Number(tokens[7], "WIDTH");
    key.height = Number(tokens[8], "HEIGHT");
    key.label = tokens[9];
    key.hint = tokens[10];
    if (tokens.size() == 12) {
        if (!tokens[11].starts_with(kPicturePrefix)) throw ParseError{"unexpected token: " + tokens[11]};
        key.picture = DecodePicture(tokens[11]);
    }
    return key;
}

DescribedChar ParseChar(const std::vector<std::string>& tokens) {
    if (tokens.size() != 6) throw ParseError{"a char line needs NAME CODE KEYVALUE SHIFT ALTGR ACCENT"};
    DescribedChar row;
    row.name = tokens[0];
    row.code = Number(tokens[1], "CODE");  // 0-255; `check` warns about others
    row.keyValue = Number(tokens[2], "KEYVALUE");
    row.shift = NumberIn(tokens[3], "SHIFT", 0, 1) == 1;
    row.altGr = NumberIn(tokens[4], "ALTGR", 0, 1) == 1;
    row.accent = Number(tokens[5], "ACCENT");
    return row;
}

void ParseLine(std::string_view line, KeyboardDescription& description, bool& hadItem) {
    const size_t start = line.find_first_not_of(kBlanks);
    if (start == std::string_view::npos || line[start] == '#') return;
    line.remove_prefix(start);
    const size_t wordEnd = std::min(line.find_first_of(kBlanks), line.size());
    const std::string_view word = line.substr(0, wordEnd);
    if (word == "readme") {
        description.readme.emplace_back(line.substr(std::min(wordEnd + 1, line.size())));
    } else if (word == "key" || word == "char" || word == "codepage") {
        const auto tokens = Tokenize(line.substr(wordEnd));
        if (word == "key") {
            description.keys.push_back(ParseKey(tokens));
        } else if (word == "char") {
            description.chars.push_back(ParseChar(tokens));
        } else {
            if (hadItem) throw ParseError{"codepage must come before every other line"};
            if (tokens.size() != 1) throw ParseError{"codepage needs one number"};
            description.codePage = NumberIn(tokens[0], "the code page", 1, 65535);
        }
    } else {
        throw ParseError{"unknown line: " + std::string(word) + " (expected codepage, readme, key or char)"};
    }
    hadItem = true;
}

}  // namespace

DescriptionResult ParseDescription(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    KeyboardDescription description;
    bool hadItem = false;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        try {
            ParseLine(line, description, hadItem);
        } catch (const ParseError& error) {
            return {std::nullopt, lineNumber, error.message};
        }
    }
    return {std::move(description), 0, {}};
}

std::optional<std::vector<std::string>> SplitTokens(std::string_view line) {
    try {
        return Tokenize(line);
    } catch (const ParseError&) {
        return std::nullopt;
    }
}

std::string QuoteToken(std::string_view text) {
    const bool plain = !text.empty() && text.front() != '#' && std::ranges::none_of(text, [](char c) {
        return c == '"' || c == '\\' || c == '#' || static_cast<unsigned char>(c) <= ' ';
    });
    if (plain) return std::string(text);
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
                if (static_cast<unsigned char>(c) < ' ' || c == '\x7F') {
                    char escape[5];
                    std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned char>(c));
                    quoted += escape;
                } else {
                    quoted += c;
                }
        }
    }
    return quoted + '"';
}

std::string FormatDescription(const KeyboardDescription& description) {
    std::string text = "codepage " + std::to_string(description.codePage) + "\n\n# Settings\n";
    for (const auto& line : description.readme) text += "readme " + line + "\n";

    text += "\n# key NAME KEYVALUE KIND KIND2 FINGER X Y WIDTH HEIGHT LABEL HINT [picture=BASE64]\n";
    for (const auto& key : description.keys) {
        text += "key " + QuoteToken(key.name);
        for (const std::int32_t number :
             {key.keyValue, key.kind, key.kind2, key.finger, key.x, key.y, key.width, key.height}) {
            text += ' ' + std::to_string(number);
        }
        text += ' ' + QuoteToken(key.label) + ' ' + QuoteToken(key.hint);
        if (key.picture) {
            text += ' ';
            text += kPicturePrefix;
            text += EncodeBase64(*key.picture);
        }
        text += '\n';
    }

    text += "\n# char NAME CODE KEYVALUE SHIFT ALTGR ACCENT\n";
    for (const auto& row : description.chars) {
        text += "char " + QuoteToken(row.name) + ' ' + std::to_string(row.code) + ' ' +
                std::to_string(row.keyValue) + ' ' + (row.shift ? '1' : '0') + ' ' + (row.altGr ? '1' : '0') +
                ' ' + std::to_string(row.accent) + '\n';
    }
    return text;
}

}  // namespace zq
