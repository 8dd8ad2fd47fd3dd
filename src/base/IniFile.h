#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/TextEncoding.h"

namespace zq {

// An ini file of the program ("zq.ini", "zqc.ini", "zqgame.ini", ...):
// "[Section]" lines and "Key=Value" lines.
//
// - Section and key names match without regard to ASCII case; the first
//   section and the first key of a name count.
// - Names and values are read without the blanks around them; a value is
//   everything after the first "=" of its line.
// - A missing file, section or key gives the caller's default, as does an
//   integer that does not parse (see TryParseInt32). Booleans are integers,
//   0 false.
// - A line ends at LF, CR LF or a CR alone; new lines follow the file's own
//   line breaks.
// - Texts are 8-bit text of the system code page. A file saved as UTF-8 is
//   read and written as UTF-8, one saved as UTF-16 behind its byte order
//   mark as UTF-16; a file holding other 8-bit bytes stays in the
//   code page, unless a write would leave it looking like UTF-8: it is then
//   stored as UTF-8, so that no write changes how the rest of it reads.
// - Values that name a file or folder (a course's folder) may hold
//   characters that the code page lacks: ReadUtf8, ReadSection's `utf8Keys`
//   and KeyValue::utf8 take such values as UTF-8. A UTF-8 file holds them as
//   they are; an 8-bit file holds them in the code page when it can, and
//   is otherwise stored as UTF-8 from then on (every other value reads as
//   before, bytes that the code page leaves undefined apart).
// - Writing changes only the lines it must: other sections, other keys,
//   comments, blank lines and line breaks stay byte for byte (save for that
//   one change of encoding). A new key goes after the last key of its
//   section, a new section at the end.
// - Every write reaches the disk before it returns (see ReplaceFileContents)
//   and raises "Unable to write to %s" when it cannot; the file on disk then
//   stays as it was.
//
// The file is read once, when the object is made; make a new object to see
// changes made by others since.
class IniFile {
public:
    // A value to write: 8-bit text of the code page, or UTF-8 when `utf8`.
    struct KeyValue {
        std::string key;
        std::string value;
        bool utf8 = false;
    };
    using KeyValues = std::vector<KeyValue>;

    explicit IniFile(std::string path);
    // Why the file exists but could not be read (an errno value); 0 when it
    // was read or is missing.
    int ReadError() const { return readError_; }

    const std::string& Path() const { return path_; }

    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;
    std::int32_t ReadInteger(std::string_view section, std::string_view key, std::int32_t defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // The value in UTF-8, as the file holds it; nothing when it is missing.
    std::optional<std::string> ReadUtf8(std::string_view section, std::string_view key) const;

    bool SectionExists(std::string_view section) const;
    bool ValueExists(std::string_view section, std::string_view key) const;

    // The names of the sections, in file order, each once: a later section
    // whose name differs only in case cannot be reached, as the first one
    // of the name counts.
    std::vector<std::string> SectionNames() const;
    // A section that stands in the file a second time (or more), under a
    // name that differs at most in case, and where the first one stands.
    struct RepeatedSection {
        std::string name;       // as the repeat's header spells it
        std::size_t line;       // of the repeat's header, from 1
        std::string firstName;  // as the first header spells it
        std::size_t firstLine;  // of the first header, from 1
    };
    // Every such repeat, in file order; the file keeps them as they are.
    std::vector<RepeatedSection> RepeatedSections() const;
    // The key lines of a section as "Key=Value", in file order; the values
    // of `utf8Keys` in UTF-8.
    std::vector<std::string> ReadSection(std::string_view section,
                                         const std::vector<std::string_view>& utf8Keys = {}) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInteger(std::string_view section, std::string_view key, std::int32_t value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Writes several keys, in order, with a single write to disk.
    void WriteValues(std::string_view section, const KeyValues& values);

    void DeleteKey(std::string_view section, std::string_view key);
    // Removes the section's header and every line up to the next section.
    void EraseSection(std::string_view section);

private:
    enum class Ending : std::uint8_t { None, Lf, CrLf, Cr };
    struct Line {
        std::string bytes;  // as in the file, without the line break
        Ending ending = Ending::None;
    };
    // What a line means; worked out only for the lines a call looks at, so
    // that reading one section of a large file stays quick.
    enum class LineKind { Other, Section, Key };
    struct ParsedLine {
        LineKind kind = LineKind::Other;
        std::string name;   // section or key name, 8-bit, without blanks
        std::string value;  // key value, 8-bit, without blanks
    };
    struct SectionRange {
        size_t header;  // index of the "[Section]" line
        size_t end;     // index of the next section's header, or the line count
    };

    void Parse(std::string_view content);
    ParsedLine ParseLine(const Line& line) const;
    // The line read as UTF-8 rather than in the code page.
    ParsedLine ParseLineUtf8(const Line& line) const;
    static ParsedLine ParseText(std::string_view text);
    std::string Decode(std::string_view bytes) const;
    std::string Encode(std::string_view text) const;
    Ending NewLineEnding() const;

    std::optional<SectionRange> FindSection(std::string_view section) const;
    std::optional<size_t> FindKey(const SectionRange& range, std::string_view key) const;
    std::optional<std::string> FindValue(std::string_view section, std::string_view key) const;
    void SetValue(std::string_view section, const KeyValue& value);
    void TurnUtf8();
    void Change(const std::function<void()>& change);
    void KeepReadingAsBefore();
    // The lines as the file holds them, its mark apart, in UTF-8 when the
    // file is UTF-16.
    std::string Body() const;
    std::string Content() const;

    std::string path_;
    std::vector<Line> lines_;
    TextEncoding encoding_ = TextEncoding::Unmarked;  // as the file's mark says
    bool utf8_ = true;
    // Why an existing file could not be read (an errno value); 0 when it was
    // read or is missing.
    int readError_ = 0;
};

}  // namespace zq
