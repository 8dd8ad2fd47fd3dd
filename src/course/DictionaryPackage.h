#pragma once

#include <string>

namespace zq {

// Where a dictionary file comes from, for the course's "course.ini" and the
// teacher: the Debian package that installed it, its version, and the
// licence its copyright file gives for the dictionary. Empty texts for what
// cannot be found (a dictionary of the user's own).
struct DictionaryPackage {
    std::string name;
    std::string version;
    std::string licence;
};

// Where the package manager keeps what it knows.
struct PackageDatabase {
    std::string infoFolder = "/var/lib/dpkg/info";
    std::string statusFile = "/var/lib/dpkg/status";
    std::string docFolder = "/usr/share/doc";
};

DictionaryPackage FindDictionaryPackage(const std::string& dictionaryPath,
                                        const PackageDatabase& database = {});

// The licence a machine-readable copyright file gives for the dictionary
// file named `fileName` ("pl_PL.dic"): the "License:" of the stanza whose
// "Files:" names the dictionary's folder ("dictionaries/pl_PL/*"), else of
// the stanza for every file ("Files: *"). Empty when the file is not in
// that format.
std::string LicenceInCopyright(const std::string& copyright, const std::string& fileName);

}  // namespace zq
