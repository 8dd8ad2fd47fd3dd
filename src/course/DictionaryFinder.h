#pragma once

#include <optional>
#include <string>
#include <vector>

#include "course/CourseLanguage.h"

namespace zq {

enum class DictionaryKind {
    Hunspell,   // a ".dic" with its ".aff" beside it
    WordList,   // one word a line
    DictdIndex  // a dictd ".index": headwords of a bilingual dictionary
};

struct DictionarySource {
    std::string path;
    DictionaryKind kind = DictionaryKind::Hunspell;
};

// Where the system keeps its dictionaries.
struct DictionaryFolders {
    std::vector<std::string> hunspell = {"/usr/share/hunspell", "/usr/share/myspell/dicts"};
    std::string wordLists = "/usr/share/dict";
    std::string dictd = "/usr/share/dictd";
};

// The system's dictionary for a course's language, best first: a Hunspell
// dictionary of the language for one of the layout's `countries` ("pt_BR"
// for a Brazilian layout), else any of the language; else a plain word
// list of /usr/share/dict (named after the language in English:
// "spanish"); else the headwords of a dictd dictionary from the language to
// English (for Finnish, which has neither). A layout whose letters are of
// another script than the language's usual one prefers the dictionary of
// that script ("sr_Latn_RS"). Nothing when the system has none.
std::optional<DictionarySource> FindDictionary(const CourseLanguage& language,
                                               const std::vector<std::string>& countries,
                                               const DictionaryFolders& folders = {});

// Guesses the kind of a dictionary a user names by its file name.
DictionarySource DictionaryAt(const std::string& path);

// The words of a dictionary, decoded. Throws std::runtime_error in words.
std::vector<std::u32string> ReadDictionaryWords(const DictionarySource& source);

}  // namespace zq
