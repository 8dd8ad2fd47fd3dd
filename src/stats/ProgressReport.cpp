#include "stats/ProgressReport.h"

#include "stats/KeyRanking.h"
#include "stats/PairRanking.h"

namespace zq {

ProgressReport ReadProgressReport(HistoryStore& store, std::string_view user, std::string_view course,
                                  std::int32_t today) {
    ProgressReport report;
    report.firstDay = today - kProgressDays + 1;
    report.lastDay = today;
    report.drillDays = store.DrillDays(user, report.firstDay, report.lastDay);
    report.keys = store.KeyTotals(user, course, report.firstDay, report.lastDay);
    report.slowest = SlowestKeys(report.keys, kListedKeys);
    report.confusions = store.TopConfusions(user, course, report.firstDay, report.lastDay,
                                            static_cast<int>(kListedConfusions));
    report.weakest = WeakestKeys(report.keys, kWeakKeysPractised);
    report.pairs = store.PairTotals(user, course, report.firstDay, report.lastDay);
    report.slowestPairs = SlowestPairs(report.pairs, kListedPairs);
    report.missedPairs = MostMissedPairs(report.pairs, kListedPairs);
    return report;
}

std::int64_t KeysPerMinute(const DrillDay& day) {
    return day.timeMs > 0 ? day.characters * 60000 / day.timeMs : 0;
}

std::int64_t Accuracy(const DrillDay& day) {
    return day.characters > 0 ? (day.characters - day.errors) * 100 / day.characters : 0;
}

}  // namespace zq
