// history_seeds FOLDER: seeds for history_fuzzer: a history of every
// version the program has had, and one of the current version with lines,
// each checkpointed into a single file.
#include <filesystem>
#include <iostream>
#include <string>

#include "stats/HistorySchema.h"
#include "stats/HistoryStore.h"

namespace {

void Checkpoint(zq::SqliteDatabase& db) {
    db.Execute("PRAGMA wal_checkpoint(TRUNCATE)");
    db.Execute("PRAGMA journal_mode = DELETE");
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: history_seeds FOLDER\n";
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    for (int version = 1; version <= zq::CurrentHistoryVersion(); ++version) {
        zq::SqliteDatabase db((folder / ("version" + std::to_string(version) + ".db")).string(),
                              zq::SqliteDatabase::Access::ReadWriteCreate);
        zq::MigrateHistory(db, version);
        Checkpoint(db);
    }
    zq::HistoryStore store((folder / "lines.db").string());
    zq::LineRecord line;
    line.user = "Ann";
    line.course = "English";
    line.localDay = 19'800;
    line.characters = 2;
    line.keys = {zq::KeyTally{.character = U'f', .typed = 1}, zq::KeyTally{.character = U'j', .typed = 1}};
    for (int i = 0; i < 3; ++i) store.AddLine(line);
    Checkpoint(store.Database());
    return 0;
}
