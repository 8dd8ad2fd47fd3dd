#include "course/DictionaryPackage.h"

#include <filesystem>
#include <sstream>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/WholeFile.h"

namespace zq {
namespace {

namespace fs = std::filesystem;

// Files of the package database are small; anything beyond this is not one.
constexpr std::size_t kMaxDatabaseFile = 64u << 20;

// The file's bytes, nothing when it cannot be read.
std::string ReadSmallFile(const std::string& path) {
    return ReadWholeFile(path, kMaxDatabaseFile).bytes;
}

bool ListsFile(const std::string& listPath, const std::string& path) {
    const std::string list = ReadSmallFile(listPath);
    std::string_view rest = list;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        if (rest.substr(0, end) == path) return true;
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    return false;
}

std::string OwningPackage(const std::string& path, const std::string& infoFolder) {
    std::error_code error;
    for (fs::directory_iterator entry(infoFolder, error), end; !error && entry != end;
         entry.increment(error)) {
        const fs::path& listPath = entry->path();
        if (listPath.extension() != ".list") continue;
        if (ListsFile(listPath.string(), path)) {
            std::string name = listPath.stem().string();
            return name.substr(0, name.find(':'));  // "name:arch" for multi-arch packages
        }
    }
    return {};
}

std::string PackageVersion(const std::string& package, const std::string& statusFile) {
    std::istringstream status(ReadSmallFile(statusFile));
    std::string line;
    bool inPackage = false;
    while (std::getline(status, line)) {
        if (line.starts_with("Package: ")) inPackage = line.substr(9) == package;
        if (inPackage && line.starts_with("Version: ")) return line.substr(9);
    }
    return {};
}

struct Stanza {
    std::string files;  // the patterns, joined by spaces
    std::string licence;
};

std::vector<Stanza> Stanzas(const std::string& copyright) {
    std::vector<Stanza> stanzas;
    std::istringstream text(copyright);
    std::string line, field;
    Stanza current;
    const auto finish = [&] {
        if (!current.files.empty()) stanzas.push_back(current);
        current = {};
    };
    while (std::getline(text, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos) {
            finish();
            field.clear();
            continue;
        }
        if (line[0] == ' ' || line[0] == '\t') {
            if (field == "Files") {
                current.files += ' ';
                current.files += line.substr(line.find_first_not_of(" \t"));
            }
            continue;
        }
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos) continue;
        field = line.substr(0, colon);
        const std::size_t start = line.find_first_not_of(' ', colon + 1);
        const std::string value = start == std::string::npos ? "" : line.substr(start);
        if (field == "Files") current.files = value;
        if (field == "License" && current.licence.empty()) current.licence = value;
    }
    finish();
    return stanzas;
}

// The folder a "Files:" pattern names files in ("pl_PL" of
// "dictionaries/pl_PL/*"), empty for a pattern of the top folder.
std::string FolderOfPattern(const std::string& pattern) {
    const std::size_t slash = pattern.rfind('/');
    if (slash == std::string::npos) return {};
    const std::string folder = pattern.substr(0, slash);
    return folder.substr(folder.rfind('/') == std::string::npos ? 0 : folder.rfind('/') + 1);
}

bool NamesFolder(const Stanza& stanza, const std::string& folder) {
    std::istringstream patterns(stanza.files);
    std::string pattern;
    while (patterns >> pattern)
        if (FolderOfPattern(pattern) == folder) return true;
    return false;
}

}  // namespace

std::string LicenceInCopyright(const std::string& copyright, const std::string& fileName) {
    // "pl_PL.dic" lies in "pl_PL/" or "pl/"; "freedict-fin-eng.index" in "fin-eng/".
    std::string stem = fileName.substr(0, fileName.find('.'));
    if (stem.starts_with("freedict-")) stem.erase(0, 9);
    const std::string language = stem.substr(0, stem.find('_'));
    std::vector<std::string> folders = {stem, language};
    if (language == "nb" || language == "nn") folders.emplace_back("no");
    const std::vector<Stanza> stanzas = Stanzas(copyright);
    for (const std::string& folder : folders)
        for (const Stanza& stanza : stanzas)
            if (NamesFolder(stanza, folder)) return stanza.licence;
    for (const Stanza& stanza : stanzas)
        if (stanza.files == "*") return stanza.licence;
    return {};
}

DictionaryPackage FindDictionaryPackage(const std::string& dictionaryPath, const PackageDatabase& database) {
    DictionaryPackage package;
    package.name = OwningPackage(dictionaryPath, database.infoFolder);
    if (package.name.empty()) return package;
    package.version = PackageVersion(package.name, database.statusFile);
    const std::string copyrightPath = database.docFolder + "/" + package.name + "/copyright";
    package.licence =
        LicenceInCopyright(ReadSmallFile(copyrightPath), fs::path(dictionaryPath).filename().string());
    if (package.licence.empty()) package.licence = "see " + copyrightPath;
    return package;
}

}  // namespace zq
