#include "stats/DrillRecorder.h"

#include <map>

#include "stats/LocalDay.h"
#include "stats/PracticeHistory.h"

namespace zq {

LineRecord MakeLineRecord(const CompletedLine& line, const PracticeContext& context,
                          std::int64_t utcMilliseconds) {
    LineRecord record;
    record.user = ToUtf8(context.user);
    record.course = context.course;
    record.drill = context.drill;
    record.finishedAtMs = utcMilliseconds;
    record.localDay = LocalDayOf(utcMilliseconds);
    record.courseLine = context.drill == DrillKind::Course ? line.courseLine : -1;
    record.characters = line.characters;
    record.errors = line.errors;
    record.keysPerMinute = static_cast<std::int32_t>(line.keysPerMinute);
    record.accuracy = static_cast<std::int32_t>(line.accuracy);
    record.wordsPerMinute = static_cast<std::int32_t>(line.wordsPerMinute);
    record.lineTimeMs = line.lineTimeMs;
    const auto characterOf = [&context](unsigned char code) { return CharOfCode(code, context.codePage); };
    // Codes that the code page leaves undefined all become U+FFFD: their
    // counts are summed, as the history sums them.
    std::map<char32_t, KeyTally> keys;
    for (int code = 0; code < 256; ++code) {
        const LineKeyCounts::Count& count = line.keys.Of(static_cast<unsigned char>(code));
        if (count.typed == 0) continue;
        KeyTally& key = keys[characterOf(static_cast<unsigned char>(code))];
        key.typed += count.typed;
        key.wrong += count.wrong;
        key.timedKeys += count.timedKeys;
        key.timeMs += count.timeMs;
    }
    for (auto& [character, key] : keys) {
        key.character = character;
        record.keys.push_back(key);
    }
    std::map<std::pair<char32_t, char32_t>, std::int64_t> confusions;
    for (const LineKeyCounts::Confusion& confusion : line.keys.Confusions())
        ++confusions[{characterOf(confusion.expected), characterOf(confusion.typed)}];
    for (const auto& [pair, count] : confusions)
        record.confusions.push_back({pair.first, pair.second, count});
    std::map<std::pair<char32_t, char32_t>, PairTally> pairs;
    for (const LineKeyCounts::Pair& counted : line.keys.Pairs()) {
        PairTally& pair = pairs[{characterOf(counted.first), characterOf(counted.second)}];
        pair.typed += counted.count.typed;
        pair.wrong += counted.count.wrong;
        pair.timedKeys += counted.count.timedKeys;
        pair.timeMs += counted.count.timeMs;
    }
    for (auto& [characters, pair] : pairs) {
        pair.first = characters.first;
        pair.second = characters.second;
        record.pairs.push_back(pair);
    }
    return record;
}

DrillRecorder::DrillRecorder(PracticeHistory& history, PracticeContext context)
    : DrillRecorder(history, std::move(context), NowUtcMilliseconds) {}

DrillRecorder::DrillRecorder(PracticeHistory& history, PracticeContext context, Clock clock)
    : history_(history), context_(std::move(context)), clock_(std::move(clock)) {}

void DrillRecorder::RecordLine(const CompletedLine& line) {
    try {
        history_.Record(MakeLineRecord(line, context_, clock_()));
    } catch (const std::exception&) {
        // Only memory can run out here; the history warns of its own failures.
    }
}

}  // namespace zq
