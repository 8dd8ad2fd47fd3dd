#include "course/HunspellDictionary.h"

#include <algorithm>
#include <map>
#include <set>
#include <stdexcept>

#include "course/DictionaryFile.h"
#include "course/UnicodeText.h"

namespace zq {
namespace {

enum class FlagKind { Byte, Long, Number, Utf8 };

// What of the .aff file decides which stems are words.
struct AffixRules {
    std::string encoding = "ISO8859-1";
    FlagKind flagKind = FlagKind::Byte;
    std::vector<std::string> aliases;    // AF lines: flag fields by 1-based number
    std::set<std::string> unwanted;      // FORBIDDENWORD, ONLYINCOMPOUND
    std::string needAffix;               // NEEDAFFIX or PSEUDOROOT
    std::set<std::string> emptyAffixes;  // affix flags with a rule that strips and adds nothing
};

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
        if (i > start) fields.push_back(line.substr(start, i - start));
    }
    return fields;
}

// The flags of a flag field, each as its bytes.
std::vector<std::string> SplitFlags(std::string_view field, FlagKind kind) {
    std::vector<std::string> flags;
    switch (kind) {
        case FlagKind::Byte:
            for (const char ch : field) flags.emplace_back(1, ch);
            break;
        case FlagKind::Long:
            for (std::size_t i = 0; i + 1 < field.size(); i += 2) flags.emplace_back(field.substr(i, 2));
            break;
        case FlagKind::Number: {
            std::size_t start = 0;
            while (start <= field.size()) {
                const std::size_t comma = std::min(field.find(',', start), field.size());
                if (comma > start) flags.emplace_back(field.substr(start, comma - start));
                start = comma + 1;
            }
            break;
        }
        case FlagKind::Utf8:
            for (std::size_t i = 0; i < field.size();) {
                std::size_t length = 1;
                while (i + length < field.size() &&
                       (static_cast<unsigned char>(field[i + length]) & 0xC0) == 0x80)
                    ++length;
                flags.emplace_back(field.substr(i, length));
                i += length;
            }
            break;
    }
    return flags;
}

AffixRules ReadAffixRules(std::string_view aff) {
    AffixRules rules;
    for (std::string_view line : SplitDictionaryLines(aff)) {
        const std::vector<std::string_view> fields = Fields(line);
        if (fields.empty() || fields[0].starts_with('#')) continue;
        const std::string_view key = fields[0];
        if (key == "SET" && fields.size() > 1) {
            rules.encoding = std::string(fields[1]);
        } else if (key == "FLAG" && fields.size() > 1) {
            rules.flagKind = fields[1] == "long"    ? FlagKind::Long
                             : fields[1] == "num"   ? FlagKind::Number
                             : fields[1] == "UTF-8" ? FlagKind::Utf8
                                                    : FlagKind::Byte;
        } else if (key == "AF" && fields.size() > 1 && !rules.aliases.empty()) {
            rules.aliases.emplace_back(fields[1]);
        } else if (key == "AF" && fields.size() > 1) {
            // The first AF line gives the count; an alias line may follow
            // it directly with its flags ("AF AB"), which is not a number.
            const bool isCount =
                std::all_of(fields[1].begin(), fields[1].end(), [](char c) { return c >= '0' && c <= '9'; });
            rules.aliases.emplace_back(isCount ? "" : std::string(fields[1]));
        } else if ((key == "FORBIDDENWORD" || key == "ONLYINCOMPOUND") && fields.size() > 1) {
            rules.unwanted.insert(std::string(fields[1]));
        } else if ((key == "NEEDAFFIX" || key == "PSEUDOROOT") && fields.size() > 1) {
            rules.needAffix = std::string(fields[1]);
        } else if ((key == "SFX" || key == "PFX") && fields.size() >= 4) {
            // A rule line: "SFX flag strip add [condition]"; the header
            // line has "Y"/"N" and a count in their place.
            const std::string_view add = fields[3].substr(0, fields[3].find('/'));
            if (fields[2] == "0" && add == "0") rules.emptyAffixes.insert(std::string(fields[1]));
        }
    }
    // The first alias slot held the count line.
    if (!rules.aliases.empty() && rules.aliases.front().empty()) rules.aliases.erase(rules.aliases.begin());
    return rules;
}

std::vector<std::string> FlagsOf(std::string_view field, const AffixRules& rules) {
    if (!rules.aliases.empty()) {
        std::size_t number = 0;
        for (const char ch : field) {
            if (ch < '0' || ch > '9' || number > rules.aliases.size()) return {};
            number = number * 10 + static_cast<std::size_t>(ch - '0');
        }
        if (number == 0 || number > rules.aliases.size()) return {};
        return SplitFlags(rules.aliases[number - 1], rules.flagKind);
    }
    return SplitFlags(field, rules.flagKind);
}

bool IsWanted(const std::vector<std::string>& flags, const AffixRules& rules) {
    bool needsAffix = false, hasEmptyAffix = false;
    for (const std::string& flag : flags) {
        if (rules.unwanted.contains(flag)) return false;
        if (!rules.needAffix.empty() && flag == rules.needAffix) needsAffix = true;
        if (rules.emptyAffixes.contains(flag)) hasEmptyAffix = true;
    }
    return !needsAffix || hasEmptyAffix;
}

// The word of a .dic line, before its flags; "\/" stands for a "/" in it.
// Empty for a multi-word entry: a space that does not start a "xx:"
// morphological field.
std::string WordOfLine(std::string_view line, std::string_view& flags) {
    std::string word;
    flags = {};
    std::size_t i = 0;
    for (; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch == '\\' && i + 1 < line.size() && line[i + 1] == '/') {
            word += '/';
            ++i;
        } else if (ch == '/' || ch == '\t') {
            break;
        } else if (ch == ' ') {
            const std::string_view rest = line.substr(i + 1);
            const bool morphology = rest.size() >= 3 && rest[2] == ':';
            if (!morphology) return {};
            break;
        } else {
            word += ch;
        }
    }
    if (i < line.size() && line[i] == '/') {
        const std::size_t start = i + 1;
        std::size_t end = start;
        while (end < line.size() && line[end] != ' ' && line[end] != '\t') ++end;
        flags = line.substr(start, end - start);
    }
    return word;
}

}  // namespace

std::vector<std::u32string> ParseHunspellStems(const HunspellFiles& files) {
    const AffixRules rules = ReadAffixRules(WithoutByteOrderMark(files.affBytes));
    const std::vector<std::string_view> lines = SplitDictionaryLines(WithoutByteOrderMark(files.dicBytes));
    // The words are joined and decoded at once: one iconv call instead of
    // one per word.
    std::string joined;
    joined.reserve(files.dicBytes.size());
    bool first = true;
    for (const std::string_view line : lines) {
        if (first) {  // the approximate word count
            first = false;
            continue;
        }
        if (line.empty() || line[0] == '\t' || line[0] == '#') continue;
        std::string_view flagField;
        const std::string word = WordOfLine(line, flagField);
        if (word.empty() || !IsWanted(FlagsOf(flagField, rules), rules)) continue;
        joined += word;
        joined += '\n';
    }
    const std::u32string decoded = DecodeText(joined, rules.encoding);
    std::vector<std::u32string> stems;
    std::size_t start = 0;
    while (start < decoded.size()) {
        const std::size_t end = std::min(decoded.find(U'\n', start), decoded.size());
        if (end > start) stems.emplace_back(decoded.substr(start, end - start));
        start = end + 1;
    }
    return stems;
}

std::vector<std::u32string> ReadHunspellStems(const std::string& dicPath) {
    const std::string affPath =
        dicPath.substr(0, dicPath.size() - (dicPath.ends_with(".dic") ? 4 : 0)) + ".aff";
    // The dictionary first: when it is missing, the file the author named is told.
    std::string dic = ReadDictionaryFile(dicPath);
    return ParseHunspellStems({ReadDictionaryFile(affPath), std::move(dic)});
}

}  // namespace zq
