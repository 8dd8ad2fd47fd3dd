// zq-game [COURSE-FOLDER-NAME] [LANG] [--report-ticks]
//
// Opens the game window on the words of the course COURSE-FOLDER-NAME of
// the program folder (English unless given), with the game font, colours and switches of the
// "Default" user of program/zqc.ini (a new profile's when there is none),
// the timing of program/zqgame.ini and the sound cues of program/media. The
// score table is shown when the window closes. With --report-ticks it prints
// how regularly the tick timer ticked.
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "app/GameSetup.h"
#include "base/CodePage.h"
#include "base/LibraryError.h"
#include "base/Translation.h"
#include "base/ui/ErrorReportingApplication.h"
#include "course/Course.h"
#include "game/GameTiming.h"
#include "game/TGameSettings.h"
#include "game/ui/GameFrameWindow.h"
#include "profile/ProfileStore.h"
#include "profile/TProfile.h"
#include "sound/MediaSettings.h"
#include "sound/SoundCues.h"
#include "sound/TWavePlayer.h"
#include "sound/ui/QtSoundOutput.h"

namespace {

using namespace zq;

TProfile DefaultProfile(const std::string& programDir) {
    TProfile profile;
    const ProfileStore store(programDir + "zqc.ini");
    if (store.HasUser("Default")) store.LoadSection(profile, "Default");
    return profile;
}

void ReportTicks(const TickCount& count) {
    const std::int64_t span = count.lastMs - count.firstMs;
    const std::int64_t due = span / 10 + 1;
    std::printf("ticks: %lld over %lld ms (%lld due at 10 ms), %lld while a pass ran, longest gap %lld ms\n",
                static_cast<long long>(count.ticks), static_cast<long long>(span),
                static_cast<long long>(due), static_cast<long long>(count.dropped),
                static_cast<long long>(count.longestGapMs));
}

}  // namespace

int main(int argc, char** argv) {
    ErrorReportingApplication application(argc, argv);
    QStringList arguments = application.arguments();
    const bool reportTicks = arguments.removeAll(QStringLiteral("--report-ticks")) > 0;
    const QString course = arguments.value(1, QStringLiteral("English"));
    const std::string programDir = QCoreApplication::applicationDirPath().toStdString() + "/";
    SetupTranslation(programDir + "locale", arguments.value(2).toStdString());
    application.setApplicationDisplayName(QString::fromUtf8(Tr("ZQ Typing Tutor")));

    TProfile profile;
    try {
        profile = DefaultProfile(programDir);
    } catch (const LibraryError& error) {
        ErrorReportingApplication::ReportError(QString::fromUtf8(error.what()));
    }
    for (const RefusedTimingValue& value : ReadGameTiming(programDir + "zqgame.ini", GameSettings()))
        std::fprintf(stderr, "zqgame.ini: %s=%s refused, %d used\n", value.key.c_str(), value.value8.c_str(),
                     value.used);
    ApplyProfileToGame(profile, GameSettings());

    QtSoundOutput output;
    TWavePlayer player(output);
    SoundCues cues(profile, player, ReadMediaSettings(programDir));

    int status = 0;
    {
        GameFrameWindow window;
        TgameFrame& frame = window.Frame();
        const Course played(programDir, course.toStdString());
        frame.SetWordFile(played.GamePath());
        GameSettings().WordsCodePage = played.TextCodePage();
        frame.SetFontName(profile.GameFont.Name);
        frame.SetSoundEvents({
            .OnCityMissShoot = [&cues] { cues.CityMissShoot(); },
            .OnCityShoot = [&cues] { cues.CityShoot(); },
            .OnDifficultyIncrease = [&cues] { cues.DifficultyIncrease(); },
            .OnCityHurt = [&cues] { cues.CityHurt(); },
        });
        frame.SetShowScores(true);
        window.OnClosed = [] { QCoreApplication::quit(); };
        window.ShowAndStartGame();
        status = QCoreApplication::exec();
        if (reportTicks) ReportTicks(window.Ticks());
    }  // the game thread ends here, before the sound output goes
    return status;
}
