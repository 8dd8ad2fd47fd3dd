// zq-template check IN.zqt: loads a template with the program's own store
// and tells the course author what the program will see, and why a template
// that fails to load fails.

#include <array>
#include <iostream>

#include "Commands.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "keyboard/TDataMod.h"
#include "templates/TemplateCheck.h"

namespace zq {

namespace {

// Finger keys in finger-number order, left little to right little.
constexpr std::array<const char*, 10> kFingerKeys = {"LLittle", "LRing",  "LMiddle", "LIndex", "LThumb",
                                                     "RThumb",  "RIndex", "RMiddle", "RRing",  "RLittle"};

void PrintTable(const char* title, const DataTable& table) {
    std::cout << title << ": ";
    if (table.IsOpen()) {
        std::cout << table.RowCount() << " rows\n";
    } else {
        std::cout << "closed (its packet could not be loaded)\n";
    }
}

void PrintSettings(const TDataMod& store) {
    std::cout << "bkcolor=" << store.IntSetting("bkcolor") << "\n";
    std::cout << "Author=" << ToUtf8(store.TextSetting("Author")) << "\n";
    std::cout << "misc=" << ToUtf8(store.TextSetting("misc")) << "\n";
    for (const char* suffix : {"", "x", "Color"}) {
        for (const char* finger : kFingerKeys) {
            const std::string key = std::string(finger) + suffix;
            std::cout << key << "=" << store.IntSetting(key) << "\n";
        }
    }
}

}  // namespace

int RunCheck(const std::vector<std::string>& args) {
    if (args.size() != 1) return ShowUsage();
    const std::string& path = args[0];
    try {
        TDataMod store;
        const bool loaded = store.LoadTemplate(path);
        if (loaded) {
            std::cout << "LoadTemplate succeeded: " << path << "\n";
        } else {
            std::cout << "LoadTemplate failed: " << path << ": " << TemplateLoadFailure(path) << "\n";
        }
        PrintTable("Key table", store.MainTbl);
        PrintTable("Character table", store.Ctbl);
        PrintSettings(store);
        for (const auto& warning : TemplateWarnings(store)) std::cout << "warning: " << warning << "\n";
        return loaded ? 0 : 1;
    } catch (const LibraryError& error) {
        std::cout << "LoadTemplate failed: " << path << ": " << error.what() << "\n";
        return 1;
    }
}

}  // namespace zq
