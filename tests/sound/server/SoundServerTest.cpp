// The program's player against the private PulseAudio server that ./test
// starts: every cue is heard on a null sink's monitor, recorded with parec.
#include <gtest/gtest.h>

#include <QAudioDevice>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QProcess>
#include <QStandardPaths>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <vector>

#include "../WaveBytes.h"
#include "../ui/SoundTestSupport.h"
#include "ProbeRun.h"
#include "sound/MediaSettings.h"
#include "sound/TWavePlayer.h"
#include "sound/ui/QtSoundOutput.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

constexpr int kRate = 44100;
constexpr int kAudible = 100;  // about -50 dBFS; the null sink's silence is exactly 0

QByteArray TestServer() {
    return qgetenv("ZQ_TEST_PULSE_SERVER");
}

// Runs a PulseAudio command line tool against the test server; its output.
std::optional<QByteArray> Pactl(const QStringList& arguments) {
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), arguments);
    if (!pactl.waitForFinished(10000) || pactl.exitCode() != 0) return std::nullopt;
    return pactl.readAllStandardOutput().trimmed();
}

// The monitor of a sink, recorded from the moment it is made. Sample times
// are on the test's own clock, so that they compare with the moment a cue
// was played.
class MonitorRecording {
public:
    explicit MonitorRecording(const QString& sink) {
        clock_.start();
        QObject::connect(&parec_, &QProcess::readyReadStandardOutput, [this] { Read(); });
        parec_.start(QStringLiteral("parec"), {"--raw", "--format=s16le", "--rate=" + QString::number(kRate),
                                               "--channels=1", "--latency-msec=5", "-d", sink + ".monitor"});
    }
    ~MonitorRecording() {
        parec_.kill();
        parec_.waitForFinished();
    }

    bool WaitUntilRecording() {
        return testing::RunEventsUntil([this] { return samples_.size() > kRate / 10; });
    }
    qint64 NowNs() const { return clock_.nsecsElapsed(); }

    // Milliseconds from `ns` to the first audible sample after it.
    std::optional<double> FirstSoundAfter(qint64 ns) const {
        for (size_t i = IndexAt(ns); i < samples_.size(); ++i) {
            if (std::abs(samples_[i]) > kAudible) return (TimeOf(i) - ns) / 1e6;
        }
        return std::nullopt;
    }
    // Milliseconds from `ns` to the last audible sample after it.
    std::optional<double> LastSoundAfter(qint64 ns) const {
        for (size_t i = samples_.size(); i > IndexAt(ns); --i) {
            if (std::abs(samples_[i - 1]) > kAudible) return (TimeOf(i - 1) - ns) / 1e6;
        }
        return std::nullopt;
    }

private:
    void Read() {
        const QByteArray bytes = parec_.readAllStandardOutput();
        pending_.append(bytes);
        const qsizetype whole = pending_.size() / 2 * 2;
        for (qsizetype i = 0; i < whole; i += 2) {
            samples_.push_back(static_cast<std::int16_t>(static_cast<unsigned char>(pending_[i]) |
                                                         (static_cast<unsigned char>(pending_[i + 1]) << 8)));
        }
        pending_.remove(0, whole);
        // The samples that have arrived were recorded at the latest now: the
        // earliest such bound over all reads places the first sample best.
        const qint64 firstSampleNs = NowNs() - static_cast<qint64>(samples_.size() * 1e9 / kRate);
        firstSampleNs_ = std::min(firstSampleNs_.value_or(firstSampleNs), firstSampleNs);
    }
    double TimeOf(size_t index) const { return *firstSampleNs_ + index * 1e9 / kRate; }
    size_t IndexAt(qint64 ns) const {
        if (!firstSampleNs_ || ns <= *firstSampleNs_) return 0;
        return std::min(samples_.size(), static_cast<size_t>((ns - *firstSampleNs_) * kRate / 1e9));
    }

    QElapsedTimer clock_;
    QProcess parec_;
    QByteArray pending_;
    std::vector<std::int16_t> samples_;
    std::optional<qint64> firstSampleNs_;
};

class SoundServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (TestServer().isEmpty())
            GTEST_SKIP() << "ZQ_TEST_PULSE_SERVER names no sound server (no pulseaudio)";
        for (const char* tool : {"pactl", "parec"}) {
            if (QStandardPaths::findExecutable(tool).isEmpty()) GTEST_SKIP() << tool << " is missing";
        }
        qputenv("PULSE_SERVER", TestServer());
        sink_ = QStringLiteral("zq_cue_test_%1").arg(QCoreApplication::applicationPid());
        const auto module = Pactl({"load-module", "module-null-sink", "sink_name=" + sink_});
        ASSERT_TRUE(module.has_value()) << "cannot add a null sink to " << TestServer().constData();
        module_ = QString::fromUtf8(*module);
        ASSERT_TRUE(testing::RunEventsUntil([this] {
            const auto outputs = QMediaDevices::audioOutputs();
            return std::any_of(outputs.begin(), outputs.end(),
                               [this](const QAudioDevice& device) { return device.id() == sink_.toUtf8(); });
        })) << "the sink does not show among Qt's devices";
        recording_.emplace(sink_);
        ASSERT_TRUE(recording_->WaitUntilRecording()) << "parec records nothing";
        output_.emplace([this] { ++bells_; }, sink_.toUtf8());
        player_.emplace(*output_);
    }
    void TearDown() override {
        player_.reset();
        output_.reset();
        recording_.reset();
        if (!module_.isEmpty()) Pactl({"unload-module", module_});
    }

    // Plays a cue and lets it sound for `ms`; the moment it was played.
    qint64 PlayAndListen(const std::string& path, int ms) {
        const qint64 played = recording_->NowNs();
        player_->PlayCue(path);
        testing::RunEventsFor(ms);
        return played;
    }

    const MediaSettings media_ = ReadMediaSettings(ZQ_PROGRAM_DIR "/");
    QString sink_;
    QString module_;
    std::optional<MonitorRecording> recording_;
    int bells_ = 0;
    std::optional<QtSoundOutput> output_;
    std::optional<TWavePlayer> player_;
};

TEST_F(SoundServerTest, EveryShippedCueIsHeardWithin200Milliseconds) {
    const std::pair<const char*, std::string> cues[] = {
        {"word_ok", media_.WordOk},
        {"word_err", media_.WordErr},
        {"Game_CityShoot", media_.GameCityShoot},
        {"Game_CityHurt", media_.GameCityHurt},
        {"Game_CityMissShoot", media_.GameCityMissShoot},
        {"Game_DifficultyIncrease", media_.GameDifficultyIncrease},
    };
    for (const auto& [key, path] : cues) {
        SCOPED_TRACE(key);
        const qint64 firstUse = PlayAndListen(path, 800);
        const qint64 again = PlayAndListen(path, 800);  // the effect is loaded now
        const auto firstDelay = recording_->FirstSoundAfter(firstUse);
        const auto loadedDelay = recording_->FirstSoundAfter(again);
        ASSERT_TRUE(firstDelay.has_value() && loadedDelay.has_value()) << "no sound on the sink";
        EXPECT_LT(*firstDelay, 200.0);
        EXPECT_LT(*loadedDelay, 200.0);
        std::printf("%-24s first use %5.1f ms, loaded %5.1f ms to the first audible sample\n", key,
                    *firstDelay, *loadedDelay);
    }
    EXPECT_EQ(bells_, 0);
}

TEST_F(SoundServerTest, ANewCueCutsOffTheOneStillSounding) {
    const qint64 chord = PlayAndListen(media_.GameDifficultyIncrease, 150);  // 620 ms long
    const qint64 click = PlayAndListen(media_.WordOk, 900);                  // 45 ms long
    const auto clickHeard = recording_->FirstSoundAfter(click);
    const auto lastSound = recording_->LastSoundAfter(chord);
    ASSERT_TRUE(clickHeard.has_value() && lastSound.has_value());
    // Silence soon after the click, long before the chord would have ended.
    EXPECT_LT(*lastSound, (click - chord) / 1e6 + *clickHeard + 100);
}

TEST_F(SoundServerTest, TheSameCueTwiceStartsAgainFromItsBeginning) {
    const qint64 first = PlayAndListen(media_.GameDifficultyIncrease, 400);
    PlayAndListen(media_.GameDifficultyIncrease, 1000);
    const auto lastSound = recording_->LastSoundAfter(first);
    ASSERT_TRUE(lastSound.has_value());
    // Played through once, the chord would be over 620 ms after it began.
    EXPECT_GT(*lastSound, 850.0);
}

TEST_F(SoundServerTest, ACueWhoseSamplesEndInsideAFrameRingsTheBellAndTheNextCueIsHeard) {
    test::TempFolder folder;
    folder.Write("word_err.wav", testing::WithDataOneByteShorter(testing::FileBytes(media_.WordErr)));
    PlayAndListen(folder.File("word_err.wav"), 300);
    EXPECT_EQ(bells_, 1);
    const qint64 ok = PlayAndListen(media_.WordOk, 500);
    EXPECT_TRUE(recording_->FirstSoundAfter(ok).has_value()) << "the next cue is not heard";
}

// The probe ends as the program does: at once, with its status, and
// without a crash.
void ExpectCleanEnd(testing::ProbeRun& probe, const char* what) {
    ASSERT_TRUE(probe.WaitForEnd()) << what << ": the probe hangs";
    EXPECT_TRUE(probe.EndedCleanly()) << what << ": " << probe.Errors().constData();
    std::printf("%s: %s\n", what, qPrintable(probe.Figures()));
}

QStringList ShippedCues(std::initializer_list<std::string MediaSettings::*> keys) {
    const MediaSettings media = ReadMediaSettings(ZQ_PROGRAM_DIR "/");
    QStringList cues;
    for (const auto key : keys) cues.append(QString::fromStdString(media.*key));
    return cues;
}

TEST(SoundProbe, WithoutASoundServerTheCuesAreSilentAndNothingWaits) {
    const QStringList cues = ShippedCues({&MediaSettings::WordOk, &MediaSettings::WordErr});
    testing::ProbeRun noServer("unix:/nonexistent/zq-no-sound-server", cues);
    ExpectCleanEnd(noServer, "no server");
    if (TestServer().isEmpty()) return;
    testing::ProbeRun testServer(TestServer(), cues);
    ExpectCleanEnd(testServer, "test server");
}

TEST(SoundProbe, AfterACueWhoseSamplesEndInsideAFrameTheRunEndsCleanly) {
    if (TestServer().isEmpty()) GTEST_SKIP() << "ZQ_TEST_PULSE_SERVER names no sound server (no pulseaudio)";
    test::TempFolder folder;
    const MediaSettings media = ReadMediaSettings(ZQ_PROGRAM_DIR "/");
    folder.Write("word_err.wav", testing::WithDataOneByteShorter(testing::FileBytes(media.WordErr)));
    testing::ProbeRun probe(TestServer(), {QString::fromStdString(folder.File("word_err.wav")),
                                           QString::fromStdString(media.WordOk)});
    ExpectCleanEnd(probe, "a cue ending inside a frame, then word_ok");
}

}  // namespace
}  // namespace zq
