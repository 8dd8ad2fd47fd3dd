#include "course/DictionaryFinder.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <system_error>

#include "course/DictionaryFile.h"
#include "course/HunspellDictionary.h"
#include "course/LanguageCodePages.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

bool IsFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);  // follows symbolic links
}

// Dictionary names of languages whose files are named otherwise.
std::vector<std::string> DictionaryLanguages(const std::string& shortCode) {
    if (shortCode == "no") return {"nb", "no", "nn"};
    if (shortCode == "sh") return {"sr", "hr", "bs"};
    return {shortCode};
}

std::string Upper(std::string text) {
    for (char& ch : text) ch = static_cast<char>(ch >= 'a' && ch <= 'z' ? ch - 32 : ch);
    return text;
}

// The .dic files of a folder whose names begin with "ll_" or are "ll.dic".
std::vector<std::string> DicFilesOf(const std::string& folder, const std::string& language) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end; entry.increment(error)) {
        const std::string name = entry->path().filename().string();
        if (name.ends_with(".dic") && (name == language + ".dic" || name.starts_with(language + "_")))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::optional<std::string> FindHunspell(const CourseLanguage& language,
                                        const std::vector<std::string>& countries,
                                        const std::vector<std::string>& folders) {
    const std::optional<int> usualPage = LanguageCodePage(language.code);
    const bool otherScript = usualPage && *usualPage != language.codePage;
    const std::string script = language.codePage == 1251 ? "_Cyrl" : "_Latn";
    for (const std::string& folder : folders)
        for (const std::string& code : DictionaryLanguages(language.shortCode)) {
            std::vector<std::string> wanted;
            if (otherScript)
                for (const std::string& country : countries)
                    wanted.push_back(code + script + "_" + country + ".dic");
            for (const std::string& country : countries) wanted.push_back(code + "_" + country + ".dic");
            wanted.push_back(code + "_" + Upper(code) + ".dic");
            wanted.push_back(code + ".dic");
            std::vector<std::string> present = DicFilesOf(folder, code);
            if (otherScript)
                std::stable_partition(present.begin(), present.end(), [&](const std::string& name) {
                    return name.find(script) != std::string::npos;
                });
            wanted.insert(wanted.end(), present.begin(), present.end());
            for (const std::string& name : wanted)
                if (IsFile(folder + "/" + name)) return folder + "/" + name;
        }
    return std::nullopt;
}

std::optional<std::string> FindWordList(const CourseLanguage& language,
                                        const std::vector<std::string>& countries,
                                        const std::string& folder) {
    static const std::map<std::string, std::vector<std::string>> kLists = {
        {"en", {"american-english", "british-english"}},
        {"es", {"spanish"}},
        {"it", {"italian"}},
        {"nl", {"dutch"}},
        {"sv", {"swedish"}},
        {"no", {"bokmaal", "nynorsk"}},
        {"nb", {"bokmaal"}},
        {"nn", {"nynorsk"}},
        {"da", {"danish"}},
        {"pl", {"polish"}},
        {"uk", {"ukrainian"}},
        {"bg", {"bulgarian"}},
        {"de", {"ngerman"}},
        {"fr", {"french"}},
        {"ca", {"catalan"}},
    };
    std::vector<std::string> names;
    if (language.shortCode == "pt") {
        const bool brazil = std::find(countries.begin(), countries.end(), "BR") != countries.end();
        names = brazil ? std::vector<std::string>{"brazilian", "portuguese"}
                       : std::vector<std::string>{"portuguese", "brazilian"};
    } else if (const auto found = kLists.find(language.shortCode); found != kLists.end()) {
        names = found->second;
    }
    for (const std::string& name : names)
        if (IsFile(folder + "/" + name)) return folder + "/" + name;
    return std::nullopt;
}

}  // namespace

std::optional<DictionarySource> FindDictionary(const CourseLanguage& language,
                                               const std::vector<std::string>& countries,
                                               const DictionaryFolders& folders) {
    if (auto path = FindHunspell(language, countries, folders.hunspell))
        return DictionarySource{*path, DictionaryKind::Hunspell};
    if (auto path = FindWordList(language, countries, folders.wordLists))
        return DictionarySource{*path, DictionaryKind::WordList};
    const std::string index = folders.dictd + "/freedict-" + language.code + "-eng.index";
    if (language.code.size() == 3 && IsFile(index))
        return DictionarySource{index, DictionaryKind::DictdIndex};
    return std::nullopt;
}

DictionarySource DictionaryAt(const std::string& path) {
    if (path.ends_with(".dic")) return {path, DictionaryKind::Hunspell};
    if (path.ends_with(".index")) return {path, DictionaryKind::DictdIndex};
    return {path, DictionaryKind::WordList};
}

std::vector<std::u32string> ReadDictionaryWords(const DictionarySource& source) {
    switch (source.kind) {
        case DictionaryKind::Hunspell:
            return ReadHunspellStems(source.path);
        case DictionaryKind::WordList:
            return ParseWordList(ReadDictionaryFile(source.path));
        case DictionaryKind::DictdIndex:
            return ParseDictdIndex(ReadDictionaryFile(source.path));
    }
    return {};
}

}  // namespace zq
