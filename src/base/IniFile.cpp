#include "base/IniFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "base/AsciiText.h"
#include "base/CodePage.h"
#include "base/FileReplace.h"
#include "base/LibraryError.h"
#include "base/Numbers.h"

namespace zq {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

enum class ReadResult { Read, Missing, Unreadable };

ReadResult ReadWholeFile(const std::string& path, std::string& content) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Unreadable;
    struct stat status {};
    ReadResult result =
        ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) ? ReadResult::Read : ReadResult::Unreadable;
    char buffer[16384];
    while (result == ReadResult::Read) {
        const ssize_t count = ::read(fd, buffer, sizeof buffer);
        if (count == 0) break;
        if (count < 0 && errno == EINTR) continue;
        if (count < 0)
            result = ReadResult::Unreadable;
        else
            content.append(buffer, static_cast<size_t>(count));
    }
    ::close(fd);
    return result;
}

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

}  // namespace

IniFile::IniFile(std::string path) : path_(std::move(path)) {
    std::string content;
    const ReadResult result = ReadWholeFile(path_, content);
    unreadable_ = result == ReadResult::Unreadable;
    if (result == ReadResult::Read) Parse(content);
}

void IniFile::Parse(std::string_view content) {
    // Pure ASCII files count as UTF-8, so that the first non-ASCII text
    // written into a new or plain file is stored as UTF-8.
    utf8_ = IsAscii(content) || IsUtf8WithNonAscii(content);
    if (utf8_ && content.starts_with(kByteOrderMark)) {
        byteOrderMark_ = kByteOrderMark;
        content.remove_prefix(kByteOrderMark.size());
    }
    while (!content.empty()) {
        const size_t newline = content.find('\n');
        std::string_view bytes = content.substr(0, newline);
        std::string ending;
        if (newline != std::string_view::npos) {
            ending = "\n";
            if (bytes.ends_with('\r')) {
                bytes.remove_suffix(1);
                ending = "\r\n";
            }
            content.remove_prefix(newline + 1);
        } else {
            content = {};
        }
        lines_.push_back(MakeLine(std::string(bytes), ending));
    }
}

IniFile::Line IniFile::MakeLine(std::string bytes, std::string ending) const {
    Line line;
    line.bytes = std::move(bytes);
    line.ending = std::move(ending);
    const std::string text = Decode(line.bytes);
    const std::string_view trimmed = TrimBlanks(text);
    if (trimmed.starts_with('[')) {
        // Up to the last "]", so that a name holding "]" still reads back.
        std::string_view name = trimmed.substr(1);
        const size_t close = name.rfind(']');
        if (close != std::string_view::npos) name = name.substr(0, close);
        line.kind = LineKind::Section;
        line.name = TrimBlanks(name);
        return line;
    }
    const size_t equals = trimmed.find('=');
    if (trimmed.starts_with(';') || equals == std::string_view::npos) return line;
    const std::string_view key = TrimBlanks(trimmed.substr(0, equals));
    if (key.empty()) return line;
    line.kind = LineKind::Key;
    line.name = key;
    line.value = TrimBlanks(trimmed.substr(equals + 1));
    return line;
}

std::string IniFile::Decode(std::string_view bytes) const {
    return utf8_ && !IsAscii(bytes) ? FromUtf8(bytes) : std::string(bytes);
}

std::string IniFile::Encode(std::string_view text) const {
    return utf8_ && !IsAscii(text) ? ToUtf8(text) : std::string(text);
}

// New lines follow the file's own line breaks.
std::string IniFile::LineEnding() const {
    for (const Line& line : lines_)
        if (!line.ending.empty()) return line.ending;
    return "\n";
}

std::optional<IniFile::SectionRange> IniFile::FindSection(std::string_view section) const {
    for (size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != LineKind::Section || !EqualsIgnoringAsciiCase(lines_[i].name, section))
            continue;
        size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != LineKind::Section) ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<size_t> IniFile::FindKey(const SectionRange& range, std::string_view key) const {
    for (size_t i = range.header + 1; i < range.end; ++i)
        if (lines_[i].kind == LineKind::Key && EqualsIgnoringAsciiCase(lines_[i].name, key)) return i;
    return std::nullopt;
}

const IniFile::Line* IniFile::FindKeyLine(std::string_view section, std::string_view key) const {
    const auto range = FindSection(section);
    if (!range) return nullptr;
    const auto index = FindKey(*range, key);
    return index ? &lines_[*index] : nullptr;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
    const Line* line = FindKeyLine(section, key);
    return line != nullptr ? line->value : std::string(defaultValue);
}

std::int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                                  std::int32_t defaultValue) const {
    const Line* line = FindKeyLine(section, key);
    return line != nullptr ? ParseInt32Or(line->value, defaultValue) : defaultValue;
}

bool IniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

bool IniFile::SectionExists(std::string_view section) const {
    return FindSection(section).has_value();
}

bool IniFile::ValueExists(std::string_view section, std::string_view key) const {
    return FindKeyLine(section, key) != nullptr;
}

std::vector<std::string> IniFile::SectionNames() const {
    std::vector<std::string> names;
    for (const Line& line : lines_)
        if (line.kind == LineKind::Section) names.push_back(line.name);
    return names;
}

std::vector<std::string> IniFile::ReadSection(std::string_view section) const {
    std::vector<std::string> entries;
    const auto range = FindSection(section);
    if (!range) return entries;
    for (size_t i = range->header + 1; i < range->end; ++i)
        if (lines_[i].kind == LineKind::Key) entries.push_back(lines_[i].name + "=" + lines_[i].value);
    return entries;
}

void IniFile::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string text = OneLine(key) + "=" + OneLine(value);
    auto range = FindSection(section);
    if (!range) {
        if (!lines_.empty()) {
            if (lines_.back().ending.empty()) lines_.back().ending = LineEnding();
            if (!TrimBlanks(lines_.back().bytes).empty()) lines_.push_back(MakeLine("", LineEnding()));
        }
        lines_.push_back(MakeLine(Encode("[" + OneLine(section) + "]"), LineEnding()));
        range = SectionRange{lines_.size() - 1, lines_.size()};
    }
    if (const auto index = FindKey(*range, key)) {
        lines_[*index] = MakeLine(Encode(text), lines_[*index].ending);
        return;
    }
    size_t after = range->header;
    for (size_t i = range->header + 1; i < range->end; ++i)
        if (lines_[i].kind == LineKind::Key) after = i;
    if (lines_[after].ending.empty()) lines_[after].ending = LineEnding();
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1),
                  MakeLine(Encode(text), LineEnding()));
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
        for (const auto& [key, value] : values) SetValue(section, key, value);
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
    if (unreadable_) throw UnableToWriteError(path_);
    std::vector<Line> before = lines_;
    change();
    std::string content = byteOrderMark_;
    for (const Line& line : lines_) content += line.bytes + line.ending;
    try {
        ReplaceFileContents(path_, content);
    } catch (...) {
        lines_ = std::move(before);
        throw;
    }
}

}  // namespace zq
