// Ini files as a user may have edited them: every section and key that is
// read is found again under the name it was read with, and a write changes
// the value it writes and nothing else of how the file reads (as a window
// shows it).

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "base/AsciiText.h"
#include "base/CodePage.h"
#include "base/IniFile.h"
#include "support/TempFolder.h"

namespace {

// The ini file of this process, in a temporary folder (under $TMPDIR)
// that goes when the process ends.
const std::string& IniPath() {
    static const zq::test::TempFolder folder;
    static const std::string path = folder.File("fuzz.ini");
    return path;
}

// A text as a window shows it: a byte that the code page leaves undefined
// has no character, and shows as one whichever way the file is stored.
std::string Shown(const std::string& text8) {
    return zq::FromUtf8(zq::ToUtf8(text8));
}

std::string KeyOf(const std::string& entry) {
    return entry.substr(0, entry.find('='));
}

// How the file reads: the key lines of every section name, as shown.
std::map<std::string, std::vector<std::string>> Reading(const zq::IniFile& ini) {
    std::map<std::string, std::vector<std::string>> reading;
    for (const std::string& section : ini.SectionNames()) {
        if (!ini.SectionExists(section)) __builtin_trap();  // read but not found again
        std::vector<std::string>& entries = reading[zq::AsciiLower(Shown(section))];
        entries.clear();
        for (const std::string& entry : ini.ReadSection(section)) {
            if (!ini.ValueExists(section, KeyOf(entry))) __builtin_trap();
            entries.push_back(Shown(entry));
        }
    }
    return reading;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream(IniPath(), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    zq::IniFile ini(IniPath());
    auto expected = Reading(ini);

    // Rewrite the first key of the first section that has one, or add one.
    std::string section = "Fuzz";
    std::string key = "Key";
    for (const std::string& name : ini.SectionNames()) {
        const std::vector<std::string> entries = ini.ReadSection(name);
        if (entries.empty()) continue;
        section = name;
        key = KeyOf(entries.front());
        break;
    }
    const std::string value = "written\xE9";
    ini.WriteString(section, key, value);

    std::vector<std::string>& entries = expected[zq::AsciiLower(Shown(section))];
    bool replaced = false;
    for (std::string& entry : entries) {
        if (zq::EqualsIgnoringAsciiCase(KeyOf(entry), Shown(key))) {
            entry = Shown(key) + "=" + Shown(value);
            replaced = true;
            break;
        }
    }
    if (!replaced) entries.push_back(Shown(key) + "=" + Shown(value));

    const zq::IniFile reread(IniPath());
    if (Reading(reread) != expected) __builtin_trap();  // the write changed how the rest reads
    // A write that turns an 8-bit file into UTF-8 turns a byte the code page
    // leaves undefined into "?", in names too: the value is then found under
    // the name as shown.
    if (reread.ReadString(section, key, "") != value &&
        reread.ReadString(Shown(section), Shown(key), "") != value)
        __builtin_trap();
    return 0;
}
