// zq-drill MODE [COURSE-FOLDER-NAME] [LANG]
//
// Opens one drill on the files of the course COURSE-FOLDER-NAME of the
// program folder (English unless given) with the keyboard and hands windows
// of its keyboard template, as a logged-on user with the usual profile
// settings would see it, and prints the practice time (and the course
// position) when it closes.
// MODE: course | sentence | free | paragraph | adaptive. The adaptive drill
// is the user Default's, with the practice history of the program folder.
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QTextStream>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "adaptive/AdaptiveLines.h"
#include "base/CodePage.h"
#include "base/Color.h"
#include "base/LibraryError.h"
#include "base/TextFile.h"
#include "base/Translation.h"
#include "base/ui/ErrorReportingApplication.h"
#include "course/Course.h"
#include "drills/CourseLines.h"
#include "drills/SentenceLines.h"
#include "drills/ui/AdaptiveDrillWindow.h"
#include "drills/ui/CourseDrillWindow.h"
#include "drills/ui/FreeDrillWindow.h"
#include "drills/ui/ParagraphDrillWindow.h"
#include "drills/ui/SentenceDrillWindow.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/GuidanceWindowSet.h"
#include "stats/DrillRecorder.h"
#include "stats/LocalDay.h"
#include "stats/PracticeHistory.h"

namespace {

using namespace zq;

constexpr TColor kProfileColor = 8421504;  // the grey of a new profile

// What a drill runs with: the course, the guidance windows and the
// stopwatch that times its lines.
struct DrillSetting {
    Course course;
    DrillGuidance guidance;
    stopwatch* watch = nullptr;
};

void PrepareWindow(LinePracticeWindow& window, const Course& course) {
    window.Drill().SetTextCodePage(course.TextCodePage());
    QFont practiceFont(QStringLiteral("DejaVu Sans Mono"));
    practiceFont.setPointSize(16);
    window.SetDrillFont(practiceFont, Qt::black);
    window.SetDrillColor(kProfileColor);
    window.Drill().SetHighLight(true);
    window.Drill().SetEvents({
        .OnLineDone = [](TFmLinePractice&) { std::fputs("line done\n", stderr); },
        .OnWrongKey = [](TFmLinePractice&) { std::fputs("wrong key\n", stderr); },
        .OnReturnExpected = [](TFmLinePractice&) { std::fputs("return expected\n", stderr); },
        .OnLineEnded = {},
    });
}

int RunCourse(const DrillSetting& setting) {
    CourseLines lines(ReadTextLines(setting.course.CoursePath(), setting.course.TextCodePage()), 0);
    CourseDrillWindow window(*setting.watch, setting.guidance);
    PrepareWindow(window, setting.course);
    window.Drill().Practise(lines);
    window.exec();
    std::printf("practice time %d ms, course position %d\n", window.PracticeTime(), lines.Place().index);
    return 0;
}

int RunSentence(const DrillSetting& setting) {
    SentenceLines lines(ReadTextLines(setting.course.PracticePath(), setting.course.TextCodePage()));
    SentenceDrillWindow window(*setting.watch, setting.guidance);
    PrepareWindow(window, setting.course);
    window.Drill().Practise(lines);
    window.exec();
    std::printf("practice time %d ms\n", window.PracticeTime());
    return 0;
}

int RunFree(const DrillSetting& setting) {
    FreeDrillWindow window(*setting.watch, setting.guidance);
    PrepareWindow(window, setting.course);
    window.exec();
    std::printf("practice time %d ms\n", window.PracticeTime());
    return 0;
}

int RunParagraph(const DrillSetting& setting) {
    ParagraphDrillWindow window(*setting.watch, setting.guidance);
    PrepareWindow(window, setting.course);
    QFont textFont(QStringLiteral("DejaVu Serif"));  // a profile's text font, not its practice font
    textFont.setPointSize(14);
    window.SetDrillFont(textFont, Qt::black);
    window.exec();
    std::printf("practice time %d ms\n", window.PracticeTime());
    return 0;
}

int RunAdaptive(const DrillSetting& setting) {
    const std::string user = "Default";
    PracticeHistory history(QCoreApplication::applicationDirPath().toStdString() + "/" + kHistoryFileName,
                            [](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    AdaptiveLines lines(
        history, {.user = user,
                  .course = setting.course.Name(),
                  .courseLines = ReadTextLines(setting.course.CoursePath(), setting.course.TextCodePage()),
                  .words = AdaptiveWordsOf(setting.course),
                  .codePage = setting.course.TextCodePage(),
                  .seed = static_cast<std::uint32_t>(NowUtcMilliseconds())});
    DrillRecorder recorder(history,
                           {user, setting.course.Name(), DrillKind::Adaptive, setting.course.TextCodePage()});
    AdaptiveDrillWindow window(*setting.watch, setting.guidance);
    PrepareWindow(window, setting.course);
    window.Drill().SetRecorder(&recorder);
    window.Drill().Practise(lines);
    window.exec();
    std::printf("practice time %d ms, keys in play %s\n", window.PracticeTime(), lines.InPlay().c_str());
    return 0;
}

const std::map<QString, std::function<int(const DrillSetting&)>>& Modes() {
    static const std::map<QString, std::function<int(const DrillSetting&)>> modes = {
        {QStringLiteral("course"), RunCourse},     {QStringLiteral("sentence"), RunSentence},
        {QStringLiteral("free"), RunFree},         {QStringLiteral("paragraph"), RunParagraph},
        {QStringLiteral("adaptive"), RunAdaptive},
    };
    return modes;
}

int Usage() {
    QString names;
    for (const auto& [name, run] : Modes()) names += (names.isEmpty() ? "" : "|") + name;
    std::fprintf(stderr, "usage: zq-drill %s [COURSE-FOLDER-NAME] [LANG]\n", qPrintable(names));
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    zq::ErrorReportingApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    if (arguments.size() < 2 || !Modes().count(arguments[1])) return Usage();
    const QString course = arguments.value(2, QStringLiteral("English"));
    const QString programDir = QCoreApplication::applicationDirPath();
    zq::SetupTranslation(QDir(programDir).filePath(QStringLiteral("locale")).toStdString(),
                         arguments.value(3).toStdString());
    application.setApplicationDisplayName(QString::fromUtf8(zq::Tr("ZQ Typing Tutor")));

    zq::stopwatch watch;
    DrillSetting setting{Course(programDir.toStdString() + "/", course.toStdString()), {}, &watch};

    zq::TDataMod store;
    zq::GuidanceWindowSet guidance(store);
    guidance.Create(false);  // a new profile's setting
    const std::string layout = setting.course.LayoutPath();
    if (QFileInfo::exists(QString::fromStdString(layout))) {
        guidance.PrepareGuidance(layout);
        setting.guidance = guidance.Guidance();
    }

    try {
        return Modes().at(arguments[1])(setting);
    } catch (const zq::LibraryError& error) {
        zq::ErrorReportingApplication::ReportError(QString::fromUtf8(error.what()));
        return 1;
    }
}
