#include "stats/ProgressOverview.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <limits>

#include "base/CodePage.h"
#include "base/Translation.h"
#include "stats/ConfusionKind.h"
#include "stats/FingerFigures.h"
#include "stats/HandsPicture.h"
#include "stats/PracticeHistory.h"
#include "stats/ProgressCharts.h"
#include "stats/ProgressTexts.h"
#include "stats/WeakKeyLine.h"

namespace zq {

ProgressOverview::ProgressOverview(ProgressView& view, PracticeHistory& history, ProgressSetup setup)
    : view_(view), history_(history), setup_(std::move(setup)) {}

void ProgressOverview::Load() {
    report_ = {};
    report_.firstDay = setup_.today - kProgressDays + 1;
    report_.lastDay = setup_.today;
    history_.Read([this](HistoryStore& store) {
        report_ = ReadProgressReport(store, ToUtf8(setup_.user), setup_.course.Name(), setup_.today);
    });

    view_.SetCaption(ProgressCaption(ToUtf8(setup_.user)));
    view_.ShowSummary(Summary());
    view_.ShowCharts(ProgressChartSpecs(report_));

    keyboard_.LoadTemplate(setup_.course.LayoutPath(), setup_.codePage);
    keyboard_.SetFigures(report_.keys);
    view_.ShowKeyboard(keyboard_);
    ShowKeyDiagnosis();
    ShowPairs();
    OfferPractice();
}

void ProgressOverview::ShowKeyDiagnosis() {
    const CourseKeyboard& keys = keyboard_.Keyboard();
    view_.ShowHands(MakeHandsPicture(SumPerFinger(report_.keys, keys), keys.Fingers()));
    std::vector<std::string> slowest;
    for (const KeyTally& key : report_.slowest) slowest.push_back(SlowKeyText(key));
    view_.ShowSlowestKeys(slowest);
    std::vector<LabelledLine> confusions;
    for (const Confusion& confusion : report_.confusions)
        confusions.push_back({ConfusionText(confusion), ConfusionKindText(KindOf(confusion, keys))});
    view_.ShowConfusions(confusions);
}

void ProgressOverview::ShowPairs() {
    std::vector<std::string> slowest;
    for (const PairTally& pair : report_.slowestPairs) slowest.push_back(SlowPairText(pair));
    view_.ShowSlowestPairs(slowest);
    std::vector<std::string> missed;
    for (const PairTally& pair : report_.missedPairs) missed.push_back(MissedPairText(pair));
    view_.ShowMostMissedPairs(missed);
}

void ProgressOverview::OfferPractice() {
    if (report_.weakest.empty()) {
        view_.SetWeakKeyPractice(false, Tr("Type a few lines of this course first: then your weakest keys "
                                           "are known."));
    } else if (PractisableWeakKeys().empty()) {
        view_.SetWeakKeyPractice(
            false, Format(Tr("To practise your weakest keys (%s), start the program in the course's "
                             "language."),
                          {KeyList(report_.weakest)}));
    } else {
        view_.SetWeakKeyPractice(true,
                                 Format(Tr("A line of words from the course with your weakest keys: %s"),
                                        {KeyList(report_.weakest)}));
    }

    const std::vector<PairTally> slowPairs(
        report_.slowestPairs.begin(),
        report_.slowestPairs.begin() +
            static_cast<std::ptrdiff_t>(std::min(kSlowPairsPractised, report_.slowestPairs.size())));
    if (slowPairs.empty()) {
        view_.SetSlowPairPractice(false, Tr("Type a few lines of this course first: then your slowest pairs "
                                            "of keys are known."));
    } else if (PractisableSlowPairs().empty()) {
        view_.SetSlowPairPractice(
            false, Format(Tr("To practise your slowest pairs of keys (%s), start the program in the course's "
                             "language."),
                          {PairList(slowPairs)}));
    } else {
        view_.SetSlowPairPractice(
            true, Format(Tr("A line of words from the course with your slowest pairs of keys: %s"),
                         {PairList(slowPairs)}));
    }
}

std::vector<char32_t> ProgressOverview::PractisableWeakKeys() const {
    std::vector<char32_t> keys;
    std::ranges::copy_if(report_.weakest, std::back_inserter(keys),
                         [this](char32_t key) { return CodeOfChar(key, setup_.codePage).has_value(); });
    return keys;
}

std::vector<std::string> ProgressOverview::PractisableSlowPairs() const {
    std::vector<std::string> pairs;
    for (const PairTally& pair : report_.slowestPairs) {
        if (pairs.size() == kSlowPairsPractised) break;
        const std::optional<unsigned char> first = CodeOfChar(pair.first, setup_.codePage);
        const std::optional<unsigned char> second = CodeOfChar(pair.second, setup_.codePage);
        if (first && second) pairs.push_back({static_cast<char>(*first), static_cast<char>(*second)});
    }
    return pairs;
}

CourseWords ProgressOverview::TaughtWords() const {
    return WordsOnlyOf(ReadCourseWords(setup_.course),
                       TaughtCharacters(ReadCourseLines(setup_.course), setup_.courseLine));
}

std::optional<TargetedPractice> ProgressOverview::PractiseWeakKeys(std::uint32_t seed) const {
    const std::vector<char32_t> practised = PractisableWeakKeys();
    if (practised.empty()) return std::nullopt;
    // The drill's line is 8-bit text, as the course's words are.
    std::string keys8;
    for (const char32_t key : practised) keys8 += static_cast<char>(*CodeOfChar(key, setup_.codePage));
    const CourseWords words = TaughtWords();
    return TargetedPractice{
        BuildWeakKeyLine(words, keys8, seed),
        Format(Tr("Practising your weakest keys: %s. Press Insert to type letters of your own."),
               {KeyList(practised)})};
}

std::optional<TargetedPractice> ProgressOverview::PractiseSlowPairs(std::uint32_t seed) const {
    const std::vector<std::string> pairs8 = PractisableSlowPairs();
    if (pairs8.empty()) return std::nullopt;
    std::string shown;
    for (const std::string& pair : pairs8) {
        if (!shown.empty()) shown += ", ";
        shown += ToUtf8(pair, setup_.codePage);
    }
    const CourseWords words = TaughtWords();
    return TargetedPractice{
        BuildPracticeLine(words, pairs8, seed),
        Format(Tr("Practising your slowest pairs of keys: %s. Press Insert to type letters of your own."),
               {shown})};
}

HistoryExportFiles ProgressOverview::ExportFiles(const std::string& folder) const {
    return ExportFileNames(folder, ToUtf8(setup_.user), setup_.today);
}

bool ProgressOverview::WouldReplace(const HistoryExportFiles& files) {
    std::error_code ignored;
    return std::filesystem::exists(files.lines, ignored) || std::filesystem::exists(files.days, ignored);
}

ExportOutcome ProgressOverview::Export(const HistoryExportFiles& files) {
    const std::string user = ToUtf8(setup_.user);
    std::vector<LineRecord> lines;
    std::vector<DrillDay> days;
    // The history warns of its own failures; only the files are left to tell of.
    if (!history_.Read([&](HistoryStore& store) {
            lines = store.LinesOf(user);
            days = store.DrillDays(user, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max());
        })) {
        return {};
    }
    try {
        WriteHistoryCsv(lines, days, files);
    } catch (const std::exception& error) {
        return {false, Format(Tr("The practice history could not be exported: %s"), {error.what()})};
    }
    return {true,
            Format(TrPlural("%d line of practice has been exported to \"%s\", and its sums per day to "
                            "\"%s\".",
                            "%d lines of practice have been exported to \"%s\", and their sums per day to "
                            "\"%s\".",
                            PluralCount(static_cast<std::int64_t>(lines.size()))),
                   {std::to_string(lines.size()), files.lines, files.days})};
}

std::string ProgressOverview::Summary() const {
    std::int64_t lines = 0;
    std::int64_t time = 0;
    for (const DrillDay& day : report_.drillDays) {
        lines += day.lines;
        time += day.timeMs;
    }
    if (lines == 0) {
        return Format(Tr("No practice of the last %d days is kept yet. Every line you complete in a drill "
                         "shows here."),
                      {std::to_string(kProgressDays)});
    }
    // The time of the lines alone, without the pauses between them: the
    // message at the program's close counts the whole time in the drills.
    const std::string completed = Format(
        TrPlural("%d line completed", "%d lines completed", PluralCount(lines)), {std::to_string(lines)});
    return Format(Tr("The last %d days: %s in %s of typing (pauses between lines not counted). "
                     "Keys and confusions are those of the course %s."),
                  {std::to_string(kProgressDays), completed, PracticeDuration(time), setup_.course.Name()});
}

}  // namespace zq
