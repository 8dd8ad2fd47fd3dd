#include "course/CourseCheck.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>

#include "base/AsciiText.h"
#include "base/CodePage.h"
#include "base/IniFile.h"
#include "base/LibraryError.h"
#include "base/TextEncoding.h"
#include "base/TextFile.h"
#include "base/Utf8Char.h"
#include "course/Course.h"
#include "course/CourseKeyboard.h"
#include "course/CourseTextFile.h"
#include "course/GameWords.h"
#include "course/LanguageCodePages.h"
#include "course/ReadableGroups.h"
#include "course/UnicodeText.h"
#include "keyboard/TDataMod.h"
#include "templates/KeyPicturePainter.h"
#include "templates/TemplateCheck.h"
#include "templates/TemplateDump.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

// Faults of one kind in one file are told this often; then only how many more.
constexpr std::size_t kMostOfAKind = 10;
constexpr std::size_t kMostNewKeys = 2;
constexpr char kMoreLikeThese[] = " more like these";

class FaultList {
public:
    explicit FaultList(std::vector<std::string>& faults) : faults_(faults) {}
    ~FaultList() {
        for (const auto& [kind, count] : counts_)
            if (count > kMostOfAKind)
                faults_.push_back(kind + ": " + std::to_string(count - kMostOfAKind) + kMoreLikeThese);
    }
    FaultList(const FaultList&) = delete;
    FaultList& operator=(const FaultList&) = delete;

    void Add(const std::string& kind, const std::string& fault) {
        ++found_;
        if (++counts_[kind] <= kMostOfAKind) faults_.push_back(fault);
    }

    std::size_t Found() const { return found_; }

private:
    std::vector<std::string>& faults_;
    std::map<std::string, std::size_t> counts_;
    std::size_t found_ = 0;
};

// Characters that look like a plain space, or like nothing, are named.
std::optional<std::string> NameOf(char32_t ch) {
    switch (ch) {
        case U'\t':
            return "the tab";
        case 0xA0:
            return "the no-break space (U+00A0)";
        case 0xAD:
            return "the soft hyphen (U+00AD)";
        case 0x2007:
            return "the figure space (U+2007)";
        case 0x2009:
            return "the thin space (U+2009)";
        case 0x200B:
            return "the zero-width space (U+200B)";
        case 0x202F:
            return "the narrow no-break space (U+202F)";
        default:
            return std::nullopt;
    }
}

std::string Shown(char32_t ch) {
    if (const std::optional<std::string> name = NameOf(ch)) return *name;
    if (ch < 32) return "the control character " + std::to_string(static_cast<unsigned>(ch));
    // Built by appending: GCC 12 warns wrongly about "'" + text.
    std::string shown = "'";
    shown += ToUtf8Text(std::u32string(1, ch));
    shown += "'";
    return shown;
}

std::string Where(const std::string& file, std::size_t index) {
    return file + " line " + std::to_string(index + 1);
}

constexpr int kCheckedWithoutCourseIni = 1252;
constexpr char kReadInTheWindowsPage[] =
    "the program reads the texts in the code page of its windows' language; checked as code page 1252";

constexpr char kWriteTheLanguage[] =
    "to have the texts read in the code page of their language, whatever the language of the "
    "windows, write in course.ini the two lines [Course] and Language= followed by the course's "
    "two-letter language code (Language=pl for Polish, cs for Czech, ru for Russian)";

// What to write for a Language value the program cannot use: the short code
// of a language named by its three-letter code ("pol"), else an example.
std::string LanguageToWrite(const std::string& value) {
    if (value.size() == 3 && LanguageCodePage(value)) {
        const std::string code = ShortLanguageCode(value);
        if (code.size() == 2) return "write " + code;
    }
    return "write a two-letter language code such as pl";
}

// The code page the program reads the course's texts in, as Course finds it.
int CourseCodePage(const std::string& folder, const CourseSettings& settings,
                   std::vector<std::string>& notes) {
    if (const std::optional<int> named = settings.NamedCodePage()) return *named;
    std::error_code error;
    if (!fs::exists(folder + "course.ini", error)) {
        notes.emplace_back(std::string("there is no course.ini: ") + kReadInTheWindowsPage);
    } else if (!settings.languageValue.empty()) {
        notes.push_back("course.ini: Language=" + settings.languageValue +
                        " is no language code the program reads: " + LanguageToWrite(settings.languageValue) +
                        "; meanwhile " + kReadInTheWindowsPage);
    } else {
        notes.emplace_back(std::string("course.ini names neither a code page nor a language: ") +
                           kReadInTheWindowsPage);
    }
    return kCheckedWithoutCourseIni;
}

// The name of a file in `folder` that is `name` in other letter case: a
// course copied from a system that does not tell case apart, which the
// program, looking for the name as it is, does not find.
std::optional<std::string> OtherCaseOf(const std::string& folder, const std::string& name) {
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, error)) {
        const std::string found = entry.path().filename().string();
        if (found != name && EqualsIgnoringAsciiCase(found, name)) return found;
    }
    return std::nullopt;
}

// The fault of a file that cannot be read, naming one to rename when there is.
std::string MissingFault(const std::string& folder, const std::string& name) {
    if (const std::optional<std::string> other = OtherCaseOf(folder, name))
        return name + " is missing; " + *other + " is there: rename it " + name +
               " (the program looks for the name in this letter case)";
    return name + " is missing or cannot be read";
}

// Each character of `line` for which `wanted` holds, once, in the order of
// its first place, with how often the line holds it.
std::vector<std::pair<char32_t, std::size_t>> Counted(const std::u32string& line,
                                                      const std::function<bool(char32_t)>& wanted) {
    std::vector<std::pair<char32_t, std::size_t>> counted;
    for (const char32_t ch : line) {
        if (!wanted(ch)) continue;
        const auto found = std::find_if(counted.begin(), counted.end(),
                                        [ch](const auto& entry) { return entry.first == ch; });
        if (found == counted.end()) {
            counted.emplace_back(ch, 1);
        } else {
            ++found->second;
        }
    }
    return counted;
}

// " (8 times)" after a character a line holds more than once.
std::string Times(std::size_t count) {
    return count > 1 ? " (" + std::to_string(count) + " times)" : std::string();
}

// Faults for the characters of a line outside the code page (once each);
// whether there were any.
bool CheckCodePage(const std::string& name, std::size_t index, const std::string& line, bool utf8,
                   FaultList& faults) {
    const std::string page = std::to_string(SystemCodePage());
    bool found = false;
    if (utf8) {
        const auto outside = [](char32_t ch) { return !CodeOfChar(ch); };
        for (const auto& [ch, count] : Counted(FromUtf8Text(line), outside)) {
            found = true;
            faults.Add(name + " code page", Where(name, index) + ": " + Shown(ch) + Times(count) +
                                                " is not in code page " + page +
                                                " (the program shows \"?\")");
        }
        return found;
    }
    std::u32string bytes;
    for (const char byte : line) bytes += static_cast<unsigned char>(byte);
    const auto undefined = [](char32_t byte) {
        return CharOfCode(static_cast<unsigned char>(byte)) == 0xFFFD;
    };
    for (const auto& [byte, count] : Counted(bytes, undefined)) {
        found = true;
        faults.Add(name + " code page", Where(name, index) + ": the byte " +
                                            std::to_string(static_cast<unsigned>(byte)) + Times(count) +
                                            " means nothing in code page " + page);
    }
    return found;
}

// The first byte that is not UTF-8 in a text that holds UTF-8 characters
// of more than one byte: a UTF-8 file with a line pasted from an 8-bit one.
struct StrayByte {
    std::size_t line = 0;  // counted from 0, as SplitLines counts
    unsigned char byte = 0;
};

std::optional<StrayByte> FirstStrayByte(std::string_view text) {
    bool multiByte = false;
    std::optional<StrayByte> stray;
    std::size_t line = 0;
    for (std::size_t at = 0; at < text.size();) {
        const auto byte = static_cast<unsigned char>(text[at]);
        if (byte < 0x80) {
            const bool crLf = byte == '\r' && at + 1 < text.size() && text[at + 1] == '\n';
            if ((byte == '\n' || byte == '\r') && !crLf) ++line;
            ++at;
            continue;
        }
        char32_t ch = 0;
        if (DecodeUtf8(text, at, ch)) {
            multiByte = true;
        } else {
            if (!stray) stray = StrayByte{line, byte};
            ++at;
        }
    }
    return multiByte ? stray : std::nullopt;
}

std::string HexByte(unsigned char byte) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex = "0x";
    hex += kDigits[byte >> 4];
    hex += kDigits[byte & 0xF];
    return hex;
}

// A fault for a file that is UTF-8 but for some bytes, saying where the first
// is and what the program makes of the file.
void CheckUtf8(const std::string& name, const std::string& bytes, const std::string& text,
               FaultList& faults) {
    const std::optional<StrayByte> stray = FirstStrayByte(text);
    if (!stray) return;
    const bool readAs8Bit = !FileReadsAsUtf8(bytes);
    faults.Add(
        name + " UTF-8",
        name + " is not valid UTF-8 at line " + std::to_string(stray->line + 1) + " (byte " +
            HexByte(stray->byte) + "): " +
            (readAs8Bit ? "it is read in code page " + std::to_string(SystemCodePage()) +
                              ", so each of its other accented letters shows as two or three characters"
                        : std::string("the program shows \"?\" for that byte")));
}

// The file's text as the program reads it, with a fault for every
// character outside the code page (once a line; `outsideCodePage` is set
// then). Nothing for a missing file.
std::optional<std::string> ReadCourseFile(const std::string& folder, const std::string& name,
                                          FaultList& faults, bool& outsideCodePage) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(folder + name);
    } catch (const LibraryError&) {
        faults.Add(name + " missing", MissingFault(folder, name));
        return std::nullopt;
    }
    // UTF-16 is checked as the characters it holds, as the program reads it.
    const std::string text = TextAfterMark(bytes);
    const std::vector<std::string> lines = SplitLines(text);
    if (!IsUtf8WithNonAscii(text)) CheckUtf8(name, bytes, text, faults);
    const bool utf8 = FileReadsAsUtf8(bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (CheckCodePage(name, i, lines[i], utf8, faults)) outsideCodePage = true;
    return FileTextToCodePage(bytes);
}

std::u32string Characters(const std::string& line8) {
    std::u32string chars;
    for (const char byte : line8) chars += CharOfCode(static_cast<unsigned char>(byte));
    return chars;
}

void CheckTypable(const std::string& name, const std::vector<std::string>& lines,
                  const CourseKeyboard& keyboard, FaultList& faults) {
    const auto untypable = [&keyboard](char32_t ch) { return ch != 0xFFFD && !keyboard.Types(ch); };
    for (std::size_t i = 0; i < lines.size(); ++i)
        for (const auto& [ch, count] : Counted(Characters(lines[i]), untypable))
            faults.Add(name + " keys",
                       Where(name, i) + ": no key of layout.zqt types " + Shown(ch) + Times(count));
}

// The program refuses a file with a line longer than it reads; the drills
// wrap a long line over several rows of their window and take it whole.
void CheckLengths(const std::string& name, const std::vector<std::string>& read,
                  const std::vector<std::string>& typed, FaultList& faults, FaultList& notes) {
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (read[i].size() > kLongestCourseTextLine) {
            faults.Add(name + " length", Where(name, i) + " has " + std::to_string(read[i].size()) +
                                             " characters, more than the " +
                                             std::to_string(kLongestCourseTextLine) +
                                             " a line may have: the program refuses the whole file, and the "
                                             "drills that read it do not open");
        } else if (typed[i].size() > kLongestShownLine) {
            notes.Add(name + " length", Where(name, i) + " has " + std::to_string(typed[i].size()) +
                                            " characters: the drill wraps it over several rows of its "
                                            "window; lines of at most " +
                                            std::to_string(kLongestShownLine) + " are easier to follow");
        }
    }
}

// The game drops each word whole: one longer than the playing area is wide
// could not be read.
void CheckGameWords(const std::vector<std::string>& lines, FaultList& faults) {
    constexpr std::size_t kShownLetters = 20;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u32string line = Characters(lines[i]);
        std::size_t start = line.find_first_not_of(U' ');
        while (start != std::u32string::npos) {
            const std::size_t end = std::min(line.find(U' ', start), line.size());
            if (end - start > kLongestGameWord)
                faults.Add("Game.txt length", Where("Game.txt", i) + ": the word \"" +
                                                  ToUtf8Text(line.substr(start, kShownLetters)) +
                                                  "...\" has " + std::to_string(end - start) +
                                                  " characters; the game shows words of at most " +
                                                  std::to_string(kLongestGameWord));
            start = line.find_first_not_of(U' ', end);
        }
    }
}

// Only an empty line ends a group of the game's words: one that looks empty
// but holds spaces or tabs joins the groups before and after it (and the
// game splits words at spaces only, so a tab is a word of its own).
void CheckGameGroups(const std::vector<std::string>& lines, FaultList& notes) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i].find_first_not_of(" \t") != std::string::npos) continue;
        std::string note = Where("Game.txt", i) +
                           " holds only spaces or tabs: it does not separate groups (an empty line does)";
        if (lines[i].find('\t') != std::string::npos)
            note += ", and the game takes its tabs for a word to type";
        notes.Add("Game.txt groups", note);
    }
}

// Whether a line drills a new key alone: its character three times in a row
// ("fff"), or a combining mark or final form three times on one letter
// ("ด่ ด่ ด่"), as such a character is never written alone.
bool DrilledAlone(const std::u32string& line, const std::function<bool(char32_t)>& ofKey) {
    const auto writtenOnALetter = [](char32_t ch) { return IsCombiningMark(ch) || IsFinalForm(ch); };
    for (std::size_t k = 0; k + 2 < line.size(); ++k)
        if (ofKey(line[k]) && !writtenOnALetter(line[k]) && line[k + 1] == line[k] && line[k + 2] == line[k])
            return true;
    std::u32string joined;
    for (const char32_t ch : line)
        if (ch != U' ') joined += ch;
    for (std::size_t k = 0; k + 5 < joined.size(); ++k) {
        const std::u32string_view pair(joined.data() + k, 2);
        const bool onALetter =
            ofKey(pair[1]) && writtenOnALetter(pair[1]) && IsBaseLetter(pair[0]) && !ofKey(pair[0]);
        if (onALetter && joined.substr(k + 2, 2) == pair && joined.substr(k + 4, 2) == pair) return true;
    }
    return false;
}

// Groups that cannot be read aloud: a word beginning with a combining mark
// or a final form, a mark twice on one letter, a final form inside a word.
void CheckReadable(const std::string& name, const std::vector<std::string>& lines, FaultList& faults) {
    for (std::size_t i = 0; i < lines.size(); ++i)
        if (const std::optional<std::string> fault = UnreadableGroupFault(Characters(lines[i])))
            faults.Add(name + " unreadable", Where(name, i) + ": " + *fault);
}

// The course's lines teach keys in order: each line brings at most two new
// ones and drills each alone.
void CheckTeachingOrder(const std::vector<std::string>& lines, const CourseKeyboard& keyboard,
                        FaultList& faults) {
    std::set<KeyUnit> taught;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::u32string line = Characters(lines[i]);
        std::map<KeyUnit, std::u32string> fresh;  // new keys, with the characters of the line that use them
        for (const char32_t ch : line) {
            const CharacterWay* way = ch == U' ' ? nullptr : keyboard.WayOf(ch);
            if (way && !taught.contains(keyboard.UnitOf(*way))) fresh[keyboard.UnitOf(*way)] += ch;
        }
        if (fresh.size() > kMostNewKeys)
            faults.Add("course.txt new keys",
                       Where("course.txt", i) + " brings " + std::to_string(fresh.size()) +
                           " new keys at once; at most " + std::to_string(kMostNewKeys));
        for (const auto& [unit, used] : fresh) {
            const auto ofUnit = [&keyboard, key = unit](char32_t ch) {
                const CharacterWay* way = keyboard.WayOf(ch);
                return way && keyboard.UnitOf(*way) == key;
            };
            if (!DrilledAlone(line, ofUnit))
                faults.Add("course.txt order",
                           Where("course.txt", i) + " uses the key of " + Shown(used.front()) +
                               " before it is taught (a new key is drilled alone first: \"" +
                               ToUtf8Text(std::u32string(3, used.front())) + "\")");
            taught.insert(unit);
        }
    }
}

// The lines as they are typed: the drills drop the blanks and control
// characters at a line's ends; the game keeps every character of a word.
std::vector<std::string> Typed(std::vector<std::string> lines, bool game) {
    if (!game)
        for (std::string& line : lines) line = TrimControlAndBlank(line);
    return lines;
}

// Whether the texts hold characters outside the code page they are read in.
bool CheckFiles(const std::string& folder, FaultList& faults, FaultList& notes) {
    bool outsideCodePage = false;
    std::optional<CourseKeyboard> keyboard;
    TDataMod store;
    if (store.LoadTemplate(folder + "layout.zqt")) {
        keyboard = CourseKeyboard::FromStore(store);
    } else if (std::error_code error;
               !fs::exists(folder + "layout.zqt", error) && OtherCaseOf(folder, "layout.zqt")) {
        faults.Add("layout", MissingFault(folder, "layout.zqt"));
    } else {
        faults.Add("layout", "layout.zqt cannot be loaded: " + TemplateLoadFailure(folder + "layout.zqt"));
    }
    for (const std::string name : {"course.txt", "Practice.txt", "Game.txt"}) {
        const std::optional<std::string> text = ReadCourseFile(folder, name, faults, outsideCodePage);
        if (!text) continue;
        const bool game = name == "Game.txt";
        const std::vector<std::string> read = SplitLines(*text);
        const std::vector<std::string> lines = Typed(read, game);
        if (std::all_of(lines.begin(), lines.end(), [](const std::string& line) {
                return line.find_first_not_of(" \t") == std::string::npos;
            })) {
            faults.Add(name + " empty", name + " has no text");
            continue;
        }
        if (game) {
            CheckGameWords(lines, faults);
            CheckGameGroups(lines, notes);
        } else {
            CheckLengths(name, read, lines, faults, notes);
        }
        CheckReadable(name, lines, faults);
        if (!keyboard) continue;
        CheckTypable(name, lines, *keyboard, faults);
        if (name == "course.txt") CheckTeachingOrder(lines, *keyboard, faults);
    }
    return outsideCodePage;
}

// The code page a template without the record of its own reads as.
constexpr int kUnrecordedTemplatePage = 1252;

// Only the template's code page is wanted: no key picture is drawn.
class NoKeyPictures : public KeyPicturePainter {
    std::string DrawKey(std::string_view /*label*/, int /*width*/, int /*height*/) override { return {}; }
};

// Whether layout.zqt was made for another code page than the texts are read
// in: its keys then show other letters than the texts hold (a fault). A
// template without the record reads as made for 1252, so only another page
// is sure to be recorded.
bool CheckTemplateCodePage(const std::string& folder, int codePage, FaultList& faults) {
    NoKeyPictures painter;
    int made = kUnrecordedTemplatePage;
    try {
        made = DescribeTemplate(folder + "layout.zqt", painter).codePage;
    } catch (const std::exception&) {
        return false;  // told as a template that cannot be loaded
    }
    if (made == kUnrecordedTemplatePage || made == codePage) return false;
    faults.Add("layout code page", "layout.zqt was made for code page " + std::to_string(made) +
                                       ", but the texts are read in code page " + std::to_string(codePage) +
                                       ": its keys show other letters than the texts hold");
    return true;
}

}  // namespace

CourseCheckResult CheckCourseFolder(const std::string& folderPath) {
    CourseCheckResult result;
    const std::string folder = folderPath.ends_with('/') ? folderPath : folderPath + "/";
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        const bool there = fs::exists(folderPath, error);
        result.faults.push_back(folderPath + (there ? " is a file, not a folder" : " does not exist"));
        return result;
    }
    const CourseSettings settings = ReadCourseSettings(folder);
    result.codePage = CourseCodePage(folder, settings, result.notes);
    const CodePageInForce inForce(result.codePage);
    {
        // The lists add their counts when they go, before the result is returned.
        FaultList faults(result.faults);
        FaultList notes(result.notes);
        const bool otherPage = CheckTemplateCodePage(folder, result.codePage, faults);
        if (CheckFiles(folder, faults, notes) || otherPage) {
            // A Language value the program cannot use has been told with what to write.
            if (!settings.NamedCodePage() && settings.languageValue.empty())
                notes.Add("language", kWriteTheLanguage);
        }
        result.faultCount = faults.Found();
    }
    return result;
}

std::string CheckSummary(const CourseCheckResult& result) {
    // The folder itself missing is one fault told outside any list.
    const std::size_t found = std::max(result.faultCount, result.faults.empty() ? 0 : std::size_t{1});
    if (found == 0) return "no faults";
    std::string summary = std::to_string(found) + (found == 1 ? " fault" : " faults");
    const auto toldAlone = static_cast<std::size_t>(
        std::count_if(result.faults.begin(), result.faults.end(),
                      [](const std::string& fault) { return !fault.ends_with(kMoreLikeThese); }));
    if (toldAlone < found) summary += " (" + std::to_string(toldAlone) + " told one by one)";
    return summary;
}

}  // namespace zq
