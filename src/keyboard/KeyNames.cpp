#include "keyboard/KeyNames.h"

#include "keyboard/TDataMod.h"

namespace zq {
namespace {

// The first printable 8-bit code; below it the character table's name
// stands for the character.
constexpr int kFirstPrintable = 0x21;

// Whether the character table can tell what a key types: the names are a
// help, and a table the keyboard lights no key from tells nothing.
bool CharactersReadable(const DataTable& table) {
    if (!table.IsOpen()) return false;
    for (const char* field : {"Name", "Code", "KeyNo", "Shift", "AltGr", "Accent"}) {
        if (!table.FieldIndex(field)) return false;
    }
    return true;
}

// The characters a key types on its own, by key row (0-based).
std::vector<std::string> PlainCharacters(TDataMod& store) {
    std::vector<std::string> characters(static_cast<std::size_t>(store.MainTbl.RowCount()));
    if (!CharactersReadable(store.Ctbl)) return characters;
    for (store.Ctbl.First(); !store.Ctbl.Eof(); store.Ctbl.Next()) {
        if (store.Ctbl.AsBoolean("Shift") || store.Ctbl.AsBoolean("AltGr") ||
            store.Ctbl.AsInteger("Accent") != 0)
            continue;
        if (!store.MainTbl.Locate("KeyValue", store.Ctbl.AsInteger("KeyNo"))) continue;
        const int row = store.MainTbl.RecNo() - 1;
        if (row < 0 || row >= static_cast<int>(characters.size())) continue;
        const int code = store.Ctbl.AsInteger("Code");
        const std::string character =
            code < kFirstPrintable ? store.Ctbl.AsString("Name") : std::string(1, static_cast<char>(code));
        std::string& typed = characters[static_cast<std::size_t>(row)];
        if (!typed.empty()) typed += ' ';
        typed += character;
    }
    return characters;
}

}  // namespace

std::vector<std::string> KeyNames8(TDataMod& store) {
    std::vector<std::string> names = PlainCharacters(store);
    std::size_t row = 0;
    for (store.MainTbl.First(); !store.MainTbl.Eof() && row < names.size(); store.MainTbl.Next(), ++row) {
        std::string hint = store.MainTbl.AsString("Hint");
        if (!hint.empty()) names[row] = std::move(hint);
    }
    return names;
}

}  // namespace zq
