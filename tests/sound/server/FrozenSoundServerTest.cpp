// A sound server that stops answering, as one does when it hangs: a private
// PulseAudio server of the test's own, frozen with SIGSTOP. The probe
// program plays cues against it and ends as the program does; it must end
// at once, with its status, and without a crash, whatever the server does.
#include <gtest/gtest.h>

#include <signal.h>

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <cstdio>
#include <optional>

#include "ProbeRun.h"
#include "sound/MediaSettings.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

// The end of the probe after its last cue: 300 ms of sound, the end of the
// sound output, the end of the process. A sound thread that hangs may hold
// it up for one second; the server's own time-outs (tens of seconds) must
// not.
constexpr qint64 kPromptEndMs = 5000;

// A PulseAudio server with a null sink, on a socket in a folder of its own;
// stopped by its process id (thawed first) when the test ends.
class PrivateSoundServer {
public:
    PrivateSoundServer() {
        const QString socket = QString::fromStdString(folder_.File("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        const QString folder = QString::fromStdString(folder_.Path().string());
        environment.insert("XDG_RUNTIME_DIR", folder);
        environment.insert("HOME", folder);
        server_.setProcessEnvironment(environment);
        server_.setStandardOutputFile(QProcess::nullDevice());
        server_.setStandardErrorFile(QProcess::nullDevice());
        server_.start(QStringLiteral("pulseaudio"),
                      {"-n", "--daemonize=no", "--exit-idle-time=-1", "--disable-shm=yes",
                       "--use-pid-file=no", "-L", "module-null-sink sink_name=zq_frozen_test_sink", "-L",
                       "module-native-protocol-unix auth-anonymous=1 socket=" + socket});
        for (int i = 0; i < 100 && server_.state() != QProcess::NotRunning && !QFileInfo::exists(socket); ++i)
            QThread::msleep(100);
        if (QFileInfo::exists(socket)) address_ = "unix:" + socket.toUtf8();
    }
    ~PrivateSoundServer() {
        if (server_.state() == QProcess::NotRunning) return;
        Thaw();
        server_.terminate();
        if (!server_.waitForFinished(5000)) {
            server_.kill();
            server_.waitForFinished();
        }
    }
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // Empty when the server did not start.
    const QByteArray& Address() const { return address_; }
    void Freeze() { ::kill(static_cast<pid_t>(server_.processId()), SIGSTOP); }
    void Thaw() { ::kill(static_cast<pid_t>(server_.processId()), SIGCONT); }

private:
    test::TempFolder folder_;
    QProcess server_;
    QByteArray address_;
};

class FrozenSoundServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty())
            GTEST_SKIP() << "pulseaudio is missing";
        server_.emplace();
        ASSERT_FALSE(server_->Address().isEmpty()) << "the private sound server did not start";
        const MediaSettings media = ReadMediaSettings(ZQ_PROGRAM_DIR "/");
        // A new file at each cue: each one asks the server for a stream.
        for (const std::string* path :
             {&media.WordOk, &media.WordErr, &media.GameCityShoot, &media.GameCityHurt})
            cues_.append(QString::fromStdString(*path));
    }

    static void ExpectPromptCleanEnd(testing::ProbeRun& probe, const char* what) {
        ASSERT_TRUE(probe.WaitForEnd(60000)) << what << ": the probe hangs";
        EXPECT_TRUE(probe.EndedCleanly()) << what << ": " << probe.Errors().constData();
        EXPECT_LT(probe.EndMs(), kPromptEndMs) << what;
        std::printf("%s: %s\n", what, qPrintable(probe.Figures()));
    }

    std::optional<PrivateSoundServer> server_;
    QStringList cues_;
};

TEST_F(FrozenSoundServerTest, AServerFrozenBeforeTheStartHoldsUpNeitherTheCuesNorTheEnd) {
    server_->Freeze();
    testing::ProbeRun probe(server_->Address(), cues_);
    ExpectPromptCleanEnd(probe, "frozen before the start");
}

TEST_F(FrozenSoundServerTest, AServerThatFreezesWhileCuesPlayDoesNotBreakTheEnd) {
    testing::ProbeRun probe(server_->Address(), cues_);
    ASSERT_TRUE(probe.WaitUntilPlayed(1));  // the first cue sounds: the server has answered
    server_->Freeze();
    ExpectPromptCleanEnd(probe, "frozen while cues play");
}

}  // namespace
}  // namespace zq
