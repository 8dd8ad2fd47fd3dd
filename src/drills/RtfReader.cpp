#include "drills/RtfReader.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/CodePage.h"
#include "base/CodePageDecoder.h"
#include "base/Utf16Decoder.h"

namespace zq {
namespace {

constexpr int kDocumentDefaultCodePage = 1252;
// Deeper nesting than any real document has; beyond it groups are only
// counted, so that a file of opening braces cannot exhaust memory.
constexpr size_t kMaxGroupDepth = 4096;

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (IsDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The code page of a font's character set (\fcharsetN); 0 stands for the
// document's own code page (ANSI, default, symbol and unknown sets).
int CodePageOfCharset(int charset) {
    static constexpr std::pair<int, int> kCodePages[] = {
        {77, 10000}, {128, 932},  {129, 949},  {134, 936},  {136, 950}, {161, 1253}, {162, 1254}, {163, 1258},
        {177, 1255}, {178, 1256}, {186, 1257}, {204, 1251}, {222, 874}, {238, 1250}, {254, 437},  {255, 850},
    };
    for (const auto& [set, codePage] : kCodePages) {
        if (set == charset) return codePage;
    }
    return 0;
}

// What a learner reads in place of a character the system code page lacks.
char StandIn(char32_t ch) {
    if ((ch >= 0x2010 && ch <= 0x2015) || ch == 0x2212) return '-';   // hyphens, dashes, minus
    if ((ch >= 0x2018 && ch <= 0x201B) || ch == 0x2032) return '\'';  // single quotes, prime
    if ((ch >= 0x201C && ch <= 0x201F) || ch == 0x2033) return '"';   // double quotes
    if ((ch >= 0x2002 && ch <= 0x200A) || ch == 0x202F) return ' ';   // typographic spaces
    if (ch == 0x2022 || ch == 0x2023 || ch == 0x25CF) return '*';     // bullets
    return '?';
}

// Characters that show nothing on the page and so are not part of the text
// to type: control codes, soft hyphens, zero-width marks.
bool IsInvisible(char32_t ch) {
    return (ch < 0x20 && ch != '\t') || ch == 0x7F || ch == 0x00AD || (ch >= 0x200B && ch <= 0x200F) ||
           ch == 0x2060 || ch == 0xFEFF;
}

enum class Destination { Text, FontTable, Skipped };

// Formatting state that a group inherits from its parent and that ends with
// the group.
struct GroupState {
    Destination destination = Destination::Text;
    int unicodeSkip = 1;  // \ucN: characters of fallback after each \uN
    int font = -1;        // -1: the document's default font
    bool hidden = false;  // \v: text not shown on the page
};

enum class Action {
    LineBreak,
    RowEnd,
    Tab,
    Cell,
    Character,
    Unicode,
    UnicodeSkip,
    Binary,
    Font,
    FontCharset,
    FontCodePage,
    DocumentCodePage,
    DefaultFont,
    Hidden,
    Plain,
    FontTable,
    SkippedDestination,
};

struct WordMeaning {
    Action action;
    char32_t value = 0;  // the character of Character, the code page of DocumentCodePage
};

const std::unordered_map<std::string_view, WordMeaning>& ControlWords() {
    static const std::unordered_map<std::string_view, WordMeaning> words = [] {
        std::unordered_map<std::string_view, WordMeaning> map = {
            {"par", {Action::LineBreak}},
            {"line", {Action::LineBreak}},
            {"row", {Action::RowEnd}},
            {"nestrow", {Action::RowEnd}},
            {"tab", {Action::Tab}},
            {"cell", {Action::Cell}},
            {"nestcell", {Action::Cell}},
            {"emdash", {Action::Character, 0x2014}},
            {"endash", {Action::Character, 0x2013}},
            {"lquote", {Action::Character, 0x2018}},
            {"rquote", {Action::Character, 0x2019}},
            {"ldblquote", {Action::Character, 0x201C}},
            {"rdblquote", {Action::Character, 0x201D}},
            {"bullet", {Action::Character, 0x2022}},
            {"emspace", {Action::Character, ' '}},
            {"enspace", {Action::Character, ' '}},
            {"qmspace", {Action::Character, ' '}},
            {"u", {Action::Unicode}},
            {"uc", {Action::UnicodeSkip}},
            {"bin", {Action::Binary}},
            {"f", {Action::Font}},
            {"fcharset", {Action::FontCharset}},
            {"cpg", {Action::FontCodePage}},
            {"ansicpg", {Action::DocumentCodePage}},
            {"ansi", {Action::DocumentCodePage, 1252}},
            {"mac", {Action::DocumentCodePage, 10000}},
            {"pc", {Action::DocumentCodePage, 437}},
            {"pca", {Action::DocumentCodePage, 850}},
            {"deff", {Action::DefaultFont}},
            {"v", {Action::Hidden}},
            {"plain", {Action::Plain}},
            {"fonttbl", {Action::FontTable}},
        };
        // Destinations whose content is not running text.
        for (std::string_view name :
             {"colortbl",     "stylesheet", "info",      "pict",      "object",
              "objdata",      "header",     "headerl",   "headerr",   "headerf",
              "footer",       "footerl",    "footerr",   "footerf",   "footnote",
              "annotation",   "atnid",      "atnauthor", "listtable", "listoverridetable",
              "listtext",     "pntext",     "pntxta",    "pntxtb",    "pn",
              "rsidtbl",      "revtbl",     "filetbl",   "themedata", "colorschememapping",
              "latentstyles", "datastore",  "xmlnstbl",  "mmathPr",   "generator",
              "fldinst",      "bkmkstart",  "bkmkend",   "shppict",   "nonshppict",
              "shp",          "shpinst",    "sp",        "sn",        "sv",
              "do",           "template",   "docvar",    "userprops", "ftnsep",
              "ftnsepc",      "ftncn",      "aftnsep",   "aftnsepc",  "aftncn",
              "xe",           "tc",         "txe",       "rxe",       "comment",
              "author",       "operator",   "title",     "subject",   "keywords",
              "doccomm",      "company",    "category",  "manager",   "creatim",
              "revtim",       "printim",    "buptim",    "hlinkbase"})
            map.emplace(name, WordMeaning{Action::SkippedDestination});
        return map;
    }();
    return words;
}

class RtfReader {
public:
    RtfReader(std::string_view rtf, int textCodePage) : rtf_(rtf), textCodePage_(textCodePage) {}

    std::string Read() {
        while (pos_ < rtf_.size()) {
            const char c = rtf_[pos_++];
            switch (c) {
                case '{':
                    OpenGroup();
                    break;
                case '}':
                    CloseGroup();
                    break;
                case '\\':
                    ReadControl();
                    break;
                default:
                    Literal(static_cast<unsigned char>(c));
                    break;
            }
        }
        FlushBytes();
        return std::move(out_);
    }

private:
    void OpenGroup() {
        FlushBytes();
        fallbackToSkip_ = 0;
        if (saved_.size() < kMaxGroupDepth)
            saved_.push_back(state_);
        else
            ++uncountedDepth_;
    }

    void CloseGroup() {
        FlushBytes();
        fallbackToSkip_ = 0;
        if (uncountedDepth_ > 0) {
            --uncountedDepth_;
        } else if (!saved_.empty()) {
            state_ = saved_.back();
            saved_.pop_back();
        }
    }

    // After a backslash: a control word (letters, an optional signed number
    // and an optional blank) or a control symbol (one other character).
    void ReadControl() {
        if (pos_ >= rtf_.size()) return;
        if (!IsAsciiLetter(rtf_[pos_])) {
            ControlSymbol(rtf_[pos_++]);
            return;
        }
        const size_t start = pos_;
        while (pos_ < rtf_.size() && IsAsciiLetter(rtf_[pos_])) ++pos_;
        const std::string_view word = rtf_.substr(start, pos_ - start);
        const std::optional<std::int32_t> parameter = ReadParameter();
        if (pos_ < rtf_.size() && rtf_[pos_] == ' ') ++pos_;
        ControlWord(word, parameter);
    }

    std::optional<std::int32_t> ReadParameter() {
        const bool negative = pos_ + 1 < rtf_.size() && rtf_[pos_] == '-' && IsDigit(rtf_[pos_ + 1]);
        if (negative) ++pos_;
        if (pos_ >= rtf_.size() || !IsDigit(rtf_[pos_])) return std::nullopt;
        std::int64_t value = 0;
        for (; pos_ < rtf_.size() && IsDigit(rtf_[pos_]); ++pos_)
            value = std::min<std::int64_t>(value * 10 + (rtf_[pos_] - '0'), INT32_MAX);
        return static_cast<std::int32_t>(negative ? -value : value);
    }

    void ControlSymbol(char symbol) {
        switch (symbol) {
            case '\'':
                HexByte();
                return;
            case '*':
                state_.destination = Destination::Skipped;
                return;
            case '\r':
            case '\n':  // a backslash before a line end of the file is a paragraph mark
                ControlWord("par", std::nullopt);
                return;
            default:
                break;
        }
        if (SkipsFallback()) return;
        switch (symbol) {
            case '\\':
            case '{':
            case '}':
                AppendChar(static_cast<unsigned char>(symbol));
                break;
            case '~':
                AppendChar(' ');
                break;  // typed as a plain blank
            case '_':
                AppendChar(0x2011);
                break;
            default:
                break;  // \- optional hyphen, \| \: formula and index marks
        }
    }

    void HexByte() {
        int value = 0;
        int digits = 0;
        while (digits < 2 && pos_ < rtf_.size() && HexValue(rtf_[pos_]) >= 0) {
            value = value * 16 + HexValue(rtf_[pos_++]);
            ++digits;
        }
        if (digits == 0 || SkipsFallback()) return;
        AppendByte(static_cast<unsigned char>(value));
    }

    void ControlWord(std::string_view word, std::optional<std::int32_t> parameter) {
        const auto& words = ControlWords();
        const auto it = words.find(word);
        if (it != words.end() && it->second.action == Action::Binary) {
            // The data of \binN is raw bytes, skipped whatever they are.
            // Inside a Unicode fallback they count as one character.
            const size_t length = static_cast<size_t>(std::max(0, parameter.value_or(0)));
            SkipsFallback();
            pos_ += std::min(length, rtf_.size() - pos_);
            return;
        }
        if (SkipsFallback() || it == words.end()) return;
        Apply(it->second, parameter);
    }

    void Apply(const WordMeaning& meaning, std::optional<std::int32_t> parameter) {
        switch (meaning.action) {
            case Action::LineBreak:
                AppendLineBreak();
                break;
            case Action::RowEnd:
                if (TakesText() && !out_.empty() && out_.back() == '\t') out_.pop_back();
                AppendLineBreak();
                break;
            case Action::Tab:
            case Action::Cell:
                AppendChar('\t');
                break;
            case Action::Character:
                AppendChar(meaning.value);
                break;
            case Action::Unicode:
                if (parameter) AppendUtf16Unit(static_cast<char16_t>(*parameter & 0xFFFF));
                fallbackToSkip_ = state_.unicodeSkip;
                break;
            case Action::UnicodeSkip:
                state_.unicodeSkip = std::max(0, parameter.value_or(1));
                break;
            case Action::Binary:
                break;  // handled before
            case Action::Font:
                if (state_.destination == Destination::FontTable)
                    fontTableEntry_ = parameter.value_or(0);
                else
                    state_.font = parameter.value_or(0);
                break;
            case Action::FontCharset:
                if (state_.destination == Destination::FontTable)
                    fontCodePages_[fontTableEntry_] = CodePageOfCharset(parameter.value_or(0));
                break;
            case Action::FontCodePage:
                if (state_.destination == Destination::FontTable && parameter.value_or(0) > 0)
                    fontCodePages_[fontTableEntry_] = *parameter;
                break;
            case Action::DocumentCodePage: {
                const int codePage =
                    meaning.value != 0 ? static_cast<int>(meaning.value) : parameter.value_or(0);
                if (codePage > 0) documentCodePage_ = codePage;
                break;
            }
            case Action::DefaultFont:
                defaultFont_ = parameter.value_or(0);
                break;
            case Action::Hidden:
                state_.hidden = parameter.value_or(1) != 0;
                break;
            case Action::Plain:
                state_.hidden = false;
                state_.font = -1;
                break;
            case Action::FontTable:
                if (state_.destination == Destination::Text) state_.destination = Destination::FontTable;
                break;
            case Action::SkippedDestination:
                state_.destination = Destination::Skipped;
                break;
        }
    }

    void Literal(unsigned char c) {
        if (c == '\r' || c == '\n') return;  // line ends of the file are not text
        if (c < 0x20 && c != '\t') return;
        if (SkipsFallback()) return;
        if (c < 0x80)
            AppendChar(c);
        else
            AppendByte(c);
    }

    // After \uN the next N characters are the fallback for readers without
    // Unicode; this reader has Unicode, so it passes over them.
    bool SkipsFallback() {
        if (fallbackToSkip_ <= 0) return false;
        --fallbackToSkip_;
        return true;
    }

    bool TakesText() const { return state_.destination == Destination::Text && !state_.hidden; }

    int CurrentCodePage() const {
        const int font = state_.font >= 0 ? state_.font : defaultFont_;
        const auto it = fontCodePages_.find(font);
        return it != fontCodePages_.end() && it->second > 0 ? it->second : documentCodePage_;
    }

    void AppendUtf16Unit(char16_t unit) {
        std::u32string characters;
        surrogates_.Take(unit, characters);
        for (const char32_t ch : characters) AppendChar(ch);
    }

    void AppendLineBreak() {
        if (!TakesText()) return;
        FlushBytes();
        out_ += "\r\n";
    }

    // An 8-bit character of the current code page; consecutive ones are
    // decoded together, so that double-byte code pages come out whole.
    void AppendByte(unsigned char byte) {
        if (!TakesText()) return;
        const int codePage = CurrentCodePage();
        if (!pendingBytes_.empty() && pendingCodePage_ != codePage) FlushBytes();
        pendingCodePage_ = codePage;
        pendingBytes_ += static_cast<char>(byte);
    }

    void AppendChar(char32_t ch) {
        if (!TakesText()) return;
        FlushBytes();
        EmitChar(ch);
    }

    void FlushBytes() {
        if (pendingBytes_.empty()) return;
        for (char32_t ch : decoder_.Decode(pendingCodePage_, pendingBytes_)) EmitChar(ch);
        pendingBytes_.clear();
    }

    void EmitChar(char32_t ch) {
        if (IsInvisible(ch)) return;
        if (ch == 0x00A0) ch = ' ';  // a non-breaking space is typed as a blank
        const std::optional<unsigned char> code = CodeOfChar(ch, textCodePage_);
        out_ += code ? static_cast<char>(*code) : StandIn(ch);
    }

    std::string_view rtf_;
    int textCodePage_;
    size_t pos_ = 0;
    std::string out_;

    GroupState state_;
    std::vector<GroupState> saved_;
    size_t uncountedDepth_ = 0;

    int documentCodePage_ = kDocumentDefaultCodePage;
    int defaultFont_ = -1;
    int fontTableEntry_ = 0;
    std::unordered_map<int, int> fontCodePages_;

    int fallbackToSkip_ = 0;
    Utf16Decoder surrogates_;
    std::string pendingBytes_;
    int pendingCodePage_ = 0;
    CodePageDecoder decoder_;
};

}  // namespace

bool LooksLikeRtf(std::string_view bytes) {
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) bytes.remove_prefix(kByteOrderMark.size());
    const size_t start = bytes.find_first_not_of(" \t\r\n");
    return start != std::string_view::npos && bytes.substr(start, 5) == "{\\rtf";
}

std::string RtfToText(std::string_view rtf, int textCodePage) {
    return RtfReader(rtf, textCodePage).Read();
}

}  // namespace zq
