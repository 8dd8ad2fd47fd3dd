#include "stats/ProgressOverview.h"

#include <algorithm>
#include <iterator>

#include "base/CodePage.h"
#include "base/Translation.h"
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
        report_ = ReadProgressReport(store, ToUtf8(setup_.user, setup_.codePage),
                                     ToUtf8(setup_.course.Name(), setup_.codePage), setup_.today);
    });

    view_.SetCaption(Format(Tr("Progress of %s"), {ToUtf8(setup_.user, setup_.codePage)}));
    view_.ShowSummary(Summary());
    view_.ShowCharts(ProgressChartSpecs(report_));

    keyboard_.LoadTemplate(setup_.course.LayoutPath(), setup_.codePage);
    keyboard_.SetFigures(report_.keys);
    view_.ShowKeyboard(keyboard_);

    std::vector<std::string> slowest;
    for (const KeyTally& key : report_.slowest) slowest.push_back(SlowKeyText(key));
    view_.ShowSlowestKeys(slowest);
    std::vector<std::string> confusions;
    for (const Confusion& confusion : report_.confusions) confusions.push_back(ConfusionText(confusion));
    view_.ShowConfusions(confusions);

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
}

std::vector<char32_t> ProgressOverview::PractisableWeakKeys() const {
    std::vector<char32_t> keys;
    std::ranges::copy_if(report_.weakest, std::back_inserter(keys),
                         [this](char32_t key) { return CodeOfChar(key, setup_.codePage).has_value(); });
    return keys;
}

std::optional<WeakKeyPractice> ProgressOverview::PractiseWeakKeys(std::uint32_t seed) const {
    const std::vector<char32_t> practised = PractisableWeakKeys();
    if (practised.empty()) return std::nullopt;
    // The drill's line is 8-bit text, as the course's words are.
    std::string keys8;
    for (const char32_t key : practised) keys8 += static_cast<char>(*CodeOfChar(key, setup_.codePage));
    const std::vector<std::string> words = WordsOf(ReadCourseTexts(setup_.course));
    return WeakKeyPractice{
        BuildWeakKeyLine(words, keys8, seed),
        Format(Tr("Practising your weakest keys: %s. Press Insert to type letters of your own."),
               {KeyList(practised)})};
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
    return Format(Tr("The last %d days: %d lines completed in %s of practice. Keys and confusions are "
                     "those of the course %s."),
                  {std::to_string(kProgressDays), std::to_string(lines), PracticeDuration(time),
                   ToUtf8(setup_.course.Name(), setup_.codePage)});
}

}  // namespace zq
