// template_entries TEMPLATE PACKET-FOLDER TEMPLATE-FOLDER: seeds from a
// keyboard template: its "key.cds" and "char.cds" packets for packet_fuzzer,
// and its three entries in the form of TemplateEntries.h for template_fuzzer.
// The files are named after the template's folder (its course).
#include <filesystem>
#include <fstream>
#include <iostream>

#include "TemplateEntries.h"
#include "keyboard/ZipArchive.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: template_entries TEMPLATE PACKET-FOLDER TEMPLATE-FOLDER\n";
        return 2;
    }
    const std::filesystem::path layout(argv[1]);
    const zq::ZipArchive archive(layout.string());
    if (!archive.IsOpen()) {
        std::cerr << "cannot open " << layout << "\n";
        return 1;
    }
    const std::string course = layout.parent_path().filename().string();
    std::ofstream entries(std::filesystem::path(argv[3]) / (course + ".entries"), std::ios::binary);
    for (const char* name : {"key.cds", "char.cds", "readme"}) {
        const zq::ZipArchive::Entry entry = archive.Extract(name);
        entries << entry.bytes << zq::fuzz::kEntrySeparator;
        if (std::string_view(name).ends_with(".cds")) {
            std::ofstream(std::filesystem::path(argv[2]) / (course + "-" + name), std::ios::binary)
                << entry.bytes;
        }
    }
    return 0;
}
