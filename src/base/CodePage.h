#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zq {

// The program keeps texts (drill lines, words, ini values, file names) as
// 8-bit bytes in one "system code page": the Windows ANSI code page of the
// user's language (1252 unless the language uses 874, 1250, 1251 or
// 1253-1258).
// Windows show Unicode; these functions cross between the two.

// The language of a locale name ("pl_PL.UTF-8", "de-AT", "sr@latin"): its
// first part, in lower case ("pl").
std::string LanguageOfLocaleName(std::string_view locale);

// The Windows ANSI code page that belongs to a language code such as "de",
// "pl_PL" or "ru_RU.UTF-8".
int CodePageForLanguage(std::string_view language);

// The code page in force; 1252 until SetSystemCodePage is called.
int SystemCodePage();
void SetSystemCodePage(int codePage);

// True when the code page in force is one the system can convert: it
// defines at least one character above 127.
bool IsKnownCodePage();

// Puts a code page in force for as long as it lives, and the one before
// back afterwards: for work on texts of another code page (a keyboard
// template's) in the middle of a run.
class CodePageInForce {
public:
    explicit CodePageInForce(int codePage) : previous_(SystemCodePage()) { SetSystemCodePage(codePage); }
    ~CodePageInForce() { SetSystemCodePage(previous_); }
    CodePageInForce(const CodePageInForce&) = delete;
    CodePageInForce& operator=(const CodePageInForce&) = delete;

private:
    int previous_;
};

// 8-bit text of the system code page to UTF-8. Bytes the code page leaves
// undefined become U+FFFD.
std::string ToUtf8(std::string_view text8);
// The same for text of another code page (a file's or a course's).
std::string ToUtf8(std::string_view text8, int codePage);

// UTF-8 to 8-bit text; characters the code page lacks become "?".
std::string FromUtf8(std::string_view utf8);
// The same for text of another code page (a course's).
std::string FromUtf8(std::string_view utf8, int codePage);

// True when the code page in force holds every character of the UTF-8 text
// (invalid UTF-8 it cannot hold).
bool CodePageHolds(std::string_view utf8);

// The 8-bit code of one Unicode character, or nothing when the code page
// cannot hold it; in the system code page unless another is given.
std::optional<unsigned char> CodeOfChar(char32_t ch);
std::optional<unsigned char> CodeOfChar(char32_t ch, int codePage);

// The Unicode character of an 8-bit code (U+FFFD where undefined); in the
// system code page unless another is given.
char32_t CharOfCode(unsigned char code);
char32_t CharOfCode(unsigned char code, int codePage);

// True when the bytes are valid UTF-8 and at least one is not ASCII: such a
// file was saved as UTF-8 and is converted when read.
bool IsUtf8WithNonAscii(std::string_view bytes);

// True when the bytes hold at least one character in UTF-8 beyond ASCII,
// whatever the other bytes are.
bool HoldsUtf8Sequence(std::string_view bytes);

// Whether FileTextToCodePage reads a file of these bytes (its byte order
// mark included) as Unicode text rather than as 8-bit bytes.
bool FileReadsAsUtf8(std::string_view fileBytes);

// The content of a text file as 8-bit text: UTF-8 files (see above), files
// behind a UTF-8 byte order mark that hold UTF-8 characters (their bytes
// that are no UTF-8 become '?') and UTF-16 files behind their byte order
// mark (see TextEncoding.h) are converted; other bytes are kept. A leading
// byte order mark is dropped.
std::string FileTextToCodePage(std::string_view bytes);
// The same into another code page (a course's texts into the course's).
std::string FileTextToCodePage(std::string_view bytes, int codePage);

}  // namespace zq
