#include "adaptive/AdaptiveLines.h"

#include <algorithm>

#include "adaptive/AdaptiveLineBuilder.h"
#include "adaptive/CourseKeyOrder.h"
#include "base/Translation.h"
#include "stats/AdaptiveHistory.h"
#include "stats/KeyRanking.h"
#include "stats/PracticeHistory.h"
#include "stats/ProgressTexts.h"
#include "stats/WeakKeyLine.h"

namespace zq {

CourseWords AdaptiveWordsOf(const Course& course) {
    return ReadCourseWords(course);
}

AdaptiveLines::AdaptiveLines(PracticeHistory& history, AdaptiveSetup setup)
    : history_(history),
      setup_(std::move(setup)),
      order_(CourseKeyOrder(setup_.courseLines)),
      random_(setup_.seed) {
    setup_.targetSpeed = std::max(setup_.targetSpeed, 1);
    std::int32_t kept = 0;
    history_.Read(
        [this, &kept](HistoryStore& store) { kept = ReadKeysInPlay(store, UserUtf8(), CourseUtf8()); });
    keysInPlay_ = std::min(order_.size(), std::max(FirstKeyCount(setup_.courseLines),
                                                   static_cast<std::size_t>(std::max(kept, 0))));
    ReadRecentStrokes();
    usableWords_ = UsableWords(setup_.words, InPlay());
    // Keys may have reached the target since the drill last saw them (in
    // other drills, or in the line that the last run ended with).
    if (BringInNextKeyWhenReady()) change_ = Format(Tr("New key: %s"), {Caption(order_[keysInPlay_ - 1])});
    focus_ = ChooseFocus();
    MakeLine();
}

std::string AdaptiveLines::UserUtf8() const {
    return ToUtf8(setup_.user);
}

std::string AdaptiveLines::CourseUtf8() const {
    return setup_.course;
}

void AdaptiveLines::ReadRecentStrokes() {
    history_.Read([this](HistoryStore& store) {
        for (const std::vector<KeyTally>& line :
             RecentLineKeys(store, UserUtf8(), CourseUtf8(), kRecentLinesRead)) {
            for (const KeyTally& key : line) {
                const std::optional<unsigned char> code = CodeOfChar(key.character, setup_.codePage);
                if (code && order_.find(static_cast<char>(*code)) != std::string::npos)
                    recent_[static_cast<char>(*code)].AddOlder(key);
            }
        }
    });
}

KeyTally AdaptiveLines::FiguresOf(char key) const {
    const auto found = recent_.find(key);
    return found == recent_.end() ? KeyTally{} : found->second.Figures();
}

std::optional<std::string> AdaptiveLines::Line() const {
    if (order_.empty()) return std::nullopt;
    return line_;
}

void AdaptiveLines::LineCompleted(const CompletedLine& line) {
    for (const char key : order_) {
        const LineKeyCounts::Count& count = line.keys.Of(static_cast<unsigned char>(key));
        recent_[key].AddNewest({0, count.typed, count.wrong, count.timedKeys, count.timeMs});
    }
    change_.clear();
    if (BringInNextKeyWhenReady()) change_ = Format(Tr("New key: %s"), {Caption(order_[keysInPlay_ - 1])});
    const char focus = ChooseFocus();
    if (focus != focus_) {
        if (!change_.empty()) change_ += "   ";
        change_ += Format(Tr("Focus: %s"), {Caption(focus)});
        focus_ = focus;
    }
}

LineStep AdaptiveLines::LineEnded(const LineEnd& end) {
    // An escaped line closes the drill; without a line there is nothing to follow.
    if (end.outcome == LineOutcome::loEscaped || end.outcome == LineOutcome::loNoLine) return {};
    if (end.outcome != LineOutcome::loCompleted) change_.clear();  // nothing was judged
    MakeLine();
    return {};
}

std::string AdaptiveLines::Announcement() const {
    return Format(Tr("The framed key comes most often; a new key joins when all reach %d keys/min at 95 %% "
                     "accuracy."),
                  {std::to_string(setup_.targetSpeed)});
}

KeysInPlay AdaptiveLines::Keys() const {
    KeysInPlay keys;
    for (const char key : InPlay())
        keys.keys.push_back(
            {Caption(key), ProgressPercent(FiguresOf(key), setup_.targetSpeed), key == focus_});
    keys.change = change_;
    return keys;
}

bool AdaptiveLines::BringInNextKeyWhenReady() {
    if (keysInPlay_ >= order_.size()) return false;
    const std::string inPlay = InPlay();
    const bool ready = std::ranges::all_of(
        inPlay, [this](char key) { return MeetsTarget(FiguresOf(key), setup_.targetSpeed); });
    if (!ready) return false;
    ++keysInPlay_;
    usableWords_ = UsableWords(setup_.words, InPlay());
    KeepKeysInPlay();
    return true;
}

char AdaptiveLines::ChooseFocus() const {
    const std::string inPlay = InPlay();
    if (inPlay.empty()) return 0;
    // A key the learner has not typed often enough to judge comes first, the newest of them.
    const auto unjudged = std::find_if(inPlay.rbegin(), inPlay.rend(),
                                       [this](char key) { return FiguresOf(key).typed < kJudgedStrokes; });
    if (unjudged != inPlay.rend()) return *unjudged;
    std::vector<KeyTally> figures;
    for (const char key : inPlay) {
        KeyTally figure = FiguresOf(key);
        figure.character = CharOfCode(static_cast<unsigned char>(key), setup_.codePage);
        figures.push_back(figure);
    }
    const std::vector<char32_t> weakest = WeakestKeys(figures, 1);
    if (weakest.empty()) return inPlay.back();
    const auto found = std::ranges::find(figures, weakest.front(), &KeyTally::character);
    return inPlay[static_cast<std::size_t>(found - figures.begin())];
}

void AdaptiveLines::MakeLine() {
    line_ = BuildAdaptiveLine(usableWords_, InPlay(), focus_, random_);
}

void AdaptiveLines::KeepKeysInPlay() {
    const auto keysInPlay = static_cast<std::int32_t>(keysInPlay_);
    history_.Change([this, keysInPlay](HistoryStore& store) {
        WriteKeysInPlay(store, UserUtf8(), CourseUtf8(), keysInPlay);
    });
}

std::string AdaptiveLines::Caption(char key) const {
    return KeyCaption(CharOfCode(static_cast<unsigned char>(key), setup_.codePage));
}

}  // namespace zq
