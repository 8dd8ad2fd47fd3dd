#include "stats/SimulatedPractice.h"

#include <algorithm>
#include <map>
#include <random>

#include "drills/TFmLinePractice.h"

namespace zq {

namespace {

constexpr double kWeakMissRate = 0.15;
constexpr double kSlowPairFactor = 2.2;
constexpr double kOtherMissRate = 0.02;
constexpr int kWordsPerLine = 8;
constexpr std::size_t kLongestLine = 70;

DrillKind DrillOfLine(int line) {
    // Mostly the course, now and then another drill.
    constexpr DrillKind kRotation[] = {DrillKind::Course, DrillKind::Sentence, DrillKind::Course,
                                       DrillKind::Free,   DrillKind::Course,   DrillKind::Sentence,
                                       DrillKind::Course, DrillKind::Paragraph};
    return kRotation[line % std::size(kRotation)];
}

// A key beside the one meant, on an English keyboard's rows.
char32_t NeighbourOf(char32_t character) {
    static const std::u32string kRows = U"qwertyuiop asdfghjkl zxcvbnm";
    const std::size_t at = character < 0x80 ? kRows.find(character | 0x20) : std::u32string::npos;
    if (at == std::u32string::npos) return U'a';
    const bool rowEnds = at + 1 == kRows.size() || kRows[at + 1] == U' ';
    return kRows[rowEnds ? at - 1 : at + 1];
}

std::string LineOfWords(const std::vector<std::string>& words, std::mt19937& random) {
    std::string text;
    std::uniform_int_distribution<std::size_t> pick(0, words.size() - 1);
    for (int i = 0; i < kWordsPerLine; ++i) {
        const std::string& word = words[pick(random)];
        if (text.size() + word.size() + 1 > kLongestLine) break;
        if (!text.empty()) text += ' ';
        text += word;
    }
    return text;
}

// Types a text as the learner would and fills the line's figures.
void TypeLine(const SimulatedLearner& learner, const std::string& text, int dayIndex, std::mt19937& random,
              LineRecord& line) {
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::normal_distribution<double> jitter(1.0, 0.15);
    const double baseMs = std::max(120.0, 420.0 - 2.5 * dayIndex);
    std::map<char32_t, KeyTally> keys;
    std::map<std::pair<char32_t, char32_t>, PairTally> pairs;
    std::map<std::pair<char32_t, char32_t>, std::int64_t> confusions;
    std::int64_t lineTimeMs = 0;
    char32_t previous = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t character = CharOfCode(static_cast<unsigned char>(text[i]), learner.wordsCodePage);
        const std::size_t weak = learner.weakKeys.find(character);
        const bool isWeak = weak != std::u32string::npos;
        const bool slowPair =
            i > 0 && std::ranges::find(learner.slowPairs, std::u32string{previous, character}) !=
                         learner.slowPairs.end();
        KeyTally& key = keys[character];
        key.character = character;
        ++key.typed;
        PairTally* pair = i > 0 ? &pairs[{previous, character}] : nullptr;
        if (pair != nullptr) ++pair->typed;
        const auto keyMs =
            static_cast<std::int64_t>(baseMs * (isWeak ? 1.8 : 1.0) * (slowPair ? kSlowPairFactor : 1.0) *
                                      std::max(0.3, jitter(random)));
        lineTimeMs += keyMs;
        if (character != U' ' && chance(random) < (isWeak ? kWeakMissRate : kOtherMissRate)) {
            ++key.wrong;
            ++line.errors;
            if (pair != nullptr) ++pair->wrong;
            const char32_t typed = isWeak && weak < learner.confusedWith.size() ? learner.confusedWith[weak]
                                                                                : NeighbourOf(character);
            ++confusions[{character, typed}];
        } else if (i > 0) {
            ++key.timedKeys;
            key.timeMs += keyMs;
            ++pair->timedKeys;
            pair->timeMs += keyMs;
        }
        previous = character;
    }
    for (const auto& [code, key] : keys) line.keys.push_back(key);
    for (auto& [characters, pair] : pairs) {
        pair.first = characters.first;
        pair.second = characters.second;
        line.pairs.push_back(pair);
    }
    for (const auto& [pair, count] : confusions) line.confusions.push_back({pair.first, pair.second, count});
    line.characters = static_cast<std::int32_t>(text.size());
    line.lineTimeMs = static_cast<std::int32_t>(std::max<std::int64_t>(lineTimeMs, 25));
    const DrillStatistics statistics =
        ComputeStatistics(line.characters, line.errors, CountWords(text), line.lineTimeMs);
    line.keysPerMinute = static_cast<std::int32_t>(statistics.keysPerMinute);
    line.accuracy = static_cast<std::int32_t>(statistics.accuracy);
    line.wordsPerMinute = static_cast<std::int32_t>(statistics.wordsPerMinute);
}

}  // namespace

std::vector<LineRecord> SimulateDay(const SimulatedLearner& learner, const std::vector<std::string>& words,
                                    std::int32_t day, int dayIndex) {
    std::mt19937 random(learner.seed * 100'003u + static_cast<std::uint32_t>(day));
    std::vector<LineRecord> lines;
    // Practice starts at six in the evening, local time near enough.
    std::int64_t clockMs = std::int64_t{day} * 86'400'000 + std::int64_t{18} * 3'600'000;
    for (int i = 0; i < learner.linesPerDay; ++i) {
        LineRecord& line = lines.emplace_back();
        line.user = learner.user;
        line.course = learner.course;
        line.drill = DrillOfLine(i);
        line.localDay = day;
        if (line.drill == DrillKind::Course) line.courseLine = i / 2;
        TypeLine(learner, words.empty() ? std::string("asdf jkl") : LineOfWords(words, random), dayIndex,
                 random, line);
        clockMs += line.lineTimeMs + 2'000;
        line.finishedAtMs = clockMs;
    }
    return lines;
}

std::int32_t FirstSimulatedDay(int days, std::int32_t today) {
    return today - days;
}

}  // namespace zq
