// zq-stats generate [DAYS] [USER] [COURSE]
//     Adds DAYS days (7 unless given) of made-up practice, ending today, of
//     USER ("Default") on COURSE ("English") to the program folder's
//     practice history, "zqstats.db".
// zq-stats show [USER] [COURSE] [LANG]
//     Opens the progress window of USER on COURSE. Its "Practise weak keys"
//     and "Practise slow pairs" open the free drill on the line they built,
//     with the course's keyboard and hands windows; the lines typed there go
//     into the history.
#include <QFont>
#include <cstdio>
#include <string>

#include "base/CodePage.h"
#include "base/ProgramFolder.h"
#include "base/Translation.h"
#include "base/ui/ErrorReportingApplication.h"
#include "base/ui/MessageBoxes.h"
#include "course/Course.h"
#include "drills/RepeatedLine.h"
#include "drills/ui/FreeDrillWindow.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/GuidanceWindowSet.h"
#include "stats/DrillRecorder.h"
#include "stats/LocalDay.h"
#include "stats/PracticeHistory.h"
#include "stats/SimulatedPractice.h"
#include "stats/WeakKeyLine.h"
#include "stats/ui/ProgressWindow.h"

namespace {

using namespace zq;

std::string ProgramDir() {
    return ProgramFolder();
}

// The course of the program folder named `course` (UTF-8).
Course CourseNamed(const std::string& course) {
    return Course(ProgramDir(), course);
}

int Generate(int days, const std::string& user, const std::string& course) {
    SimulatedLearner learner;
    learner.user = user;
    learner.course = course;
    const Course practised = CourseNamed(course);
    learner.wordsCodePage = practised.TextCodePage();
    const std::vector<std::string> words = WordsOf(ReadCourseTexts(practised));
    const std::int32_t today = LocalDayOf(NowUtcMilliseconds());
    HistoryStore store(ProgramDir() + kHistoryFileName);
    const std::int32_t first = FirstSimulatedDay(days, today);
    for (int index = 0; index < days; ++index)
        store.AddLines(SimulateDay(learner, words, first + index, index));
    std::printf("%d days of practice of %s added to %s%s\n", days, user.c_str(), ProgramDir().c_str(),
                kHistoryFileName);
    return 0;
}

// The free drill on the line of weak keys or slow pairs, as the main window opens it.
void PractiseChosenLine(const TargetedPractice& practice, PracticeHistory& history,
                        const PracticeContext& context) {
    TDataMod store;
    GuidanceWindowSet guidance(store);
    guidance.Create(false);
    guidance.SetShowModifiers(true);  // as the shipped profile has it
    guidance.PrepareGuidance(CourseNamed(context.course).LayoutPath());

    stopwatch watch;
    RepeatedLine chosenLine(practice.line8, practice.announcement);
    FreeDrillWindow window(watch, guidance.Guidance());
    QFont practiceFont(QStringLiteral("DejaVu Sans Mono"));
    practiceFont.setPointSize(16);
    window.SetDrillFont(practiceFont, Qt::black);
    window.SetDrillColor(8421504);
    window.Drill().SetHighLight(true);
    window.Drill().SetTextCodePage(context.codePage);
    DrillRecorder recorder(history, context);
    window.Drill().SetRecorder(&recorder);
    window.Drill().Practise(chosenLine);
    window.exec();
}

int Show(const std::string& user, const std::string& course) {
    const Course practised = CourseNamed(course);
    const PracticeContext context{FromUtf8(user), course, DrillKind::Free, practised.TextCodePage()};
    PracticeHistory history(ProgramDir() + kHistoryFileName, [](const std::string& text) {
        ShowMessageBox(nullptr, QMessageBox::Warning, QString::fromStdString(text));
    });
    const ProgressSetup setup{context.user, practised, LocalDayOf(NowUtcMilliseconds()), context.codePage};
    std::optional<TargetedPractice> practice;
    {
        ProgressWindow window(history, setup, ProgramDir());
        window.exec();
        practice = window.ChosenPractice();
    }
    if (practice) PractiseChosenLine(*practice, history, context);
    return 0;
}

int Usage() {
    std::fputs(
        "usage: zq-stats generate [DAYS] [USER] [COURSE]\n"
        "       zq-stats show [USER] [COURSE] [LANG]\n",
        stderr);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    const QStringList arguments = [&] {
        QStringList list;
        for (int i = 0; i < argc; ++i) list << QString::fromLocal8Bit(argv[i]);
        return list;
    }();
    const QString command = arguments.value(1);
    if (command == QStringLiteral("generate")) {  // needs no display
        bool isNumber = false;
        const int days = arguments.size() > 2 ? arguments[2].toInt(&isNumber) : 7;
        if (arguments.size() > 2 && (!isNumber || days <= 0)) return Usage();
        return Generate(days, arguments.value(3, QStringLiteral("Default")).toStdString(),
                        arguments.value(4, QStringLiteral("English")).toStdString());
    }
    if (command == QStringLiteral("show")) {
        ErrorReportingApplication application(argc, argv);
        SetupTranslation(ProgramDir() + "locale", arguments.value(4).toStdString());
        application.setApplicationDisplayName(QString::fromUtf8(Tr("ZQ Typing Tutor")));
        return Show(arguments.value(2, QStringLiteral("Default")).toStdString(),
                    arguments.value(3, QStringLiteral("English")).toStdString());
    }
    return Usage();
}
