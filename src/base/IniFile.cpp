#include "base/IniFile.h"

#include <algorithm>
#include <cerrno>

#include "base/AsciiText.h"
#include "base/CodePage.h"
#include "base/FileReplace.h"
#include "base/LibraryError.h"
#include "base/Numbers.h"
#include "base/TextEncoding.h"
#include "base/WholeFile.h"

namespace zq {
namespace {

bool IsAscii(std::string_view bytes) {
    return std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A line break inside a name or value would split it into lines of its own
// (and could forge other keys); it is written as a blank instead.
std::string OneLine(std::string_view text) {
    std::string line(text);
    std::ranges::replace(line, '\r', ' ');
    std::ranges::replace(line, '\n', ' ');
    return line;
}

// A section or key name as the file holds it and reads it back: on one
// line, without blanks around it.
std::string StoredName(std::string_view name) {
    return std::string(TrimBlanks(OneLine(name)));
}

// Whether a line is a "[Section]" line; "[" is the same byte in UTF-8 and
// in every code page, so the line need not be decoded to tell.
bool IsSectionHeader(std::string_view bytes) {
    return TrimBlanks(bytes).starts_with('[');
}

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    const WholeFile file = ReadWholeFile(path_);
    // A missing file reads as an empty one; any other failure keeps the
    // file from being replaced (see Write).
    const bool missing = file.error == ENOENT || file.error == ENOTDIR;
    if (!missing) readError_ = file.error;
    if (file.error == 0) Parse(file.bytes);
}

void IniFile::Parse(std::string_view content) {
    // The mark is set aside even when the rest turns out not to be UTF-8,
    // so that it never hides the first section.
    encoding_ = MarkedEncoding(content);
    content.remove_prefix(ByteOrderMark(encoding_).size());
    // A UTF-16 file is worked on as the UTF-8 text it holds, and written
    // back in UTF-16 (see Content).
    std::string decoded;
    if (IsUtf16(encoding_)) {
        decoded = Utf16ToUtf8(content, encoding_);
        content = decoded;
    }
    // Pure ASCII files count as UTF-8, so that the first non-ASCII text
    // written into a new or plain file is stored as UTF-8.
    utf8_ = IsAscii(content) || IsUtf8WithNonAscii(content);
    // A line ends at LF, at CR LF, or at a CR alone (old Mac files): names
    // and values never hold a line break, so that what is read is what a
    // write finds again.
    while (!content.empty()) {
        const size_t lineBreak = content.find_first_of("\r\n");
        Line line{std::string(content.substr(0, lineBreak)), Ending::None};
        if (lineBreak == std::string_view::npos) {
            content = {};
        } else if (content.substr(lineBreak).starts_with("\r\n")) {
            line.ending = Ending::CrLf;
            content.remove_prefix(lineBreak + 2);
        } else {
            line.ending = content[lineBreak] == '\r' ? Ending::Cr : Ending::Lf;
            content.remove_prefix(lineBreak + 1);
        }
        lines_.push_back(std::move(line));
    }
}

IniFile::ParsedLine IniFile::ParseLine(const Line& line) const {
    return ParseText(Decode(line.bytes));
}

IniFile::ParsedLine IniFile::ParseLineUtf8(const Line& line) const {
    return ParseText(utf8_ ? line.bytes : ToUtf8(line.bytes));
}

IniFile::ParsedLine IniFile::ParseText(std::string_view text) {
    ParsedLine parsed;
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.starts_with('[')) {
        // Up to the last "]", so that a name holding "]" still reads back.
        std::string_view name = trimmed.substr(1);
        const size_t close = name.rfind(']');
        if (close != std::string_view::npos) name = name.substr(0, close);
        parsed.kind = LineKind::Section;
        parsed.name = TrimBlanks(name);
        return parsed;
    }
    const size_t equals = trimmed.find('=');
    if (trimmed.starts_with(';') || equals == std::string_view::npos) return parsed;
    const std::string_view key = TrimBlanks(trimmed.substr(0, equals));
    if (key.empty()) return parsed;
    parsed.kind = LineKind::Key;
    parsed.name = key;
    parsed.value = TrimBlanks(trimmed.substr(equals + 1));
    return parsed;
}

std::string IniFile::Decode(std::string_view bytes) const {
    return utf8_ && !IsAscii(bytes) ? FromUtf8(bytes) : std::string(bytes);
}

std::string IniFile::Encode(std::string_view text) const {
    return utf8_ && !IsAscii(text) ? ToUtf8(text) : std::string(text);
}

// New lines follow the file's own line breaks.
IniFile::Ending IniFile::NewLineEnding() const {
    for (const Line& line : lines_)
        if (line.ending != Ending::None) return line.ending;
    return Ending::Lf;
}

std::optional<IniFile::SectionRange> IniFile::FindSection(std::string_view section) const {
    const std::string name = StoredName(section);
    std::optional<SectionRange> found;
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (!IsSectionHeader(lines_[i].bytes)) continue;
        if (found) {
            found->end = i;
            return found;
        }
        if (EqualsIgnoringAsciiCase(ParseLine(lines_[i]).name, name)) found = SectionRange{i, lines_.size()};
    }
    return found;
}

std::optional<size_t> IniFile::FindKey(const SectionRange& range, std::string_view key) const {
    const std::string name = StoredName(key);
    for (size_t i = range.header + 1; i < range.end; ++i) {
        const ParsedLine parsed = ParseLine(lines_[i]);
        if (parsed.kind == LineKind::Key && EqualsIgnoringAsciiCase(parsed.name, name)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::FindValue(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto index = FindKey(*range, key);
    if (!index) return std::nullopt;
    return ParseLine(lines_[*index]).value;
}

std::optional<std::string> IniFile::ReadUtf8(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto index = FindKey(*range, key);
    if (!index) return std::nullopt;
    return ParseLineUtf8(lines_[*index]).value;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    return FindValue(section, key).value_or(std::string(defaultValue));
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    const auto value = FindValue(section, key);
    return value ? ParseInt32Or(*value, defaultValue) : defaultValue;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::SectionExists(std::string_view section) const {
    return FindSection(section).has_value();
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindValue(section, key).has_value();
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : lines_) {
        if (!IsSectionHeader(line.bytes)) continue;
        std::string name = ParseLine(line).name;
        const bool listed = std::ranges::any_of(
            names, [&name](const std::string& other) { return EqualsIgnoringAsciiCase(other, name); });
        if (!listed) names.push_back(std::move(name));
    }
    return names;
}

std::vector<IniFile::RepeatedSection> IniFile::RepeatedSections() const {
    std::vector<RepeatedSection> repeats;
    std::vector<std::pair<std::string, std::size_t>> firsts;  // each name's first header
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!IsSectionHeader(lines_[i].bytes)) continue;
        std::string name = ParseLine(lines_[i]).name;
        const auto first = std::ranges::find_if(
            firsts, [&name](const auto& other) { return EqualsIgnoringAsciiCase(other.first, name); });
        if (first == firsts.end()) {
            firsts.emplace_back(std::move(name), i + 1);
        } else {
            repeats.push_back({std::move(name), i + 1, first->first, first->second});
        }
    }
    return repeats;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section,
                                              const std::vector<std::string_view>& utf8Keys) const {
    std::vector<std::string> entries;
    const auto range = FindSection(section);
    if (!range) return entries;
    const auto isUtf8Key = [&utf8Keys](std::string_view name) {
        return std::ranges::any_of(
            utf8Keys, [name](std::string_view key) { return EqualsIgnoringAsciiCase(key, name); });
    };
    for (size_t i = range->header + 1; i < range->end; ++i) {
        ParsedLine parsed = ParseLine(lines_[i]);
        if (parsed.kind != LineKind::Key) continue;
        if (isUtf8Key(parsed.name)) parsed.value = ParseLineUtf8(lines_[i]).value;
        entries.push_back(parsed.name + "=" + parsed.value);
    }
    return entries;
}

void IniFile::SetValue(std::string_view section, const KeyValue& value) {
    // A UTF-8 value that the code page cannot hold turns an 8-bit file into
    // UTF-8 before any of its lines is written.
    if (value.utf8 && !utf8_ && !CodePageHolds(value.value)) TurnUtf8();
    const std::string_view key = value.key;
    const Ending ending = NewLineEnding();
    auto range = FindSection(section);
    if (!range) {
        if (!lines_.empty()) {
            if (lines_.back().ending == Ending::None) lines_.back().ending = ending;
            if (!TrimBlanks(lines_.back().bytes).empty()) lines_.push_back(Line{"", ending});
        }
        std::string header(1, '[');
        header += StoredName(section);
        header += ']';
        lines_.push_back(Line{Encode(header), ending});
        range = SectionRange{lines_.size() - 1, lines_.size()};
    }
    std::string bytes = Encode(StoredName(key) + "=");
    bytes += value.utf8 ? (utf8_ ? OneLine(value.value) : FromUtf8(OneLine(value.value)))
                        : Encode(OneLine(value.value));
    if (const auto index = FindKey(*range, key)) {
        lines_[*index].bytes = std::move(bytes);
        return;
    }
    size_t after = range->header;
    for (size_t i = range->header + 1; i < range->end; ++i)
        if (ParseLine(lines_[i]).kind == LineKind::Key) after = i;
    if (lines_[after].ending == Ending::None) lines_[after].ending = ending;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1), Line{std::move(bytes), ending});
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    WriteValues(section, {{std::string(key), std::string(value)}});
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, std::int32_t value) {
    WriteString(section, key, std::to_string(value));
}

void IniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void IniFile::WriteValues(std::string_view section, const KeyValues& values) {
    Change([&] {
        for (const KeyValue& value : values) SetValue(section, value);
    });
}

void IniFile::DeleteKey(std::string_view section, std::string_view key) {
    Change([&] {
        const auto range = FindSection(section);
        if (!range) return;
        if (const auto index = FindKey(*range, key))
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(*index));
    });
}

void IniFile::EraseSection(std::string_view section) {
    Change([&] {
        if (const auto range = FindSection(section))
            lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                         lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
    });
}

// Applies a change and writes the file; when the write fails the object
// keeps what the disk holds, so a later write does not carry the failed one.
void IniFile::Change(const std::function<void()>& change) {
    // A file that exists but could not be read is never replaced by what
    // little this object knows of it.
    if (readError_ != 0) throw UnableToWriteError(path_, readError_);
    std::vector<Line> before = lines_;
    const bool utf8Before = utf8_;
    change();
    KeepReadingAsBefore();
    try {
        ReplaceFileContents(path_, Content());
    } catch (...) {
        lines_ = std::move(before);
        utf8_ = utf8Before;
        throw;
    }
}

std::string IniFile::Body() const {
    std::string body;
    for (const Line& line : lines_) {
        body += line.bytes;
        if (line.ending == Ending::CrLf || line.ending == Ending::Cr) body += '\r';
        if (line.ending == Ending::CrLf || line.ending == Ending::Lf) body += '\n';
    }
    return body;
}

std::string IniFile::Content() const {
    std::string content(ByteOrderMark(encoding_));
    content += IsUtf16(encoding_) ? Utf8ToUtf16(Body(), encoding_) : Body();
    return content;
}

// The encoding of a file is told from its bytes at every read. An 8-bit file
// whose last byte that is not UTF-8 has just been removed would pass for
// UTF-8 next time, and its other values ("\xC2\xA9", "Â©") would read
// otherwise ("©"); such a file is stored as UTF-8 from now on, so that
// every value reads as it did.
void IniFile::KeepReadingAsBefore() {
    if (utf8_) return;
    // Judged on the bytes the next read judges, line breaks included: bytes
    // of two lines joined could pass for UTF-8 where the file does not.
    if (IsUtf8WithNonAscii(Body())) TurnUtf8();
}

// Every line of an 8-bit file in UTF-8, meaning what it meant.
void IniFile::TurnUtf8() {
    for (Line& line : lines_) line.bytes = ToUtf8(line.bytes);
    utf8_ = true;
}

}  // namespace zq
