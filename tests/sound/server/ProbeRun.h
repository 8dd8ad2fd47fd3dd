#pragma once

// The probe program (SoundProbe.cpp) in a process of its own: it makes the
// sound output, plays cues and ends as the program does, against a given
// sound server. How it ends is what the tests look at.

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace zq::testing {

class ProbeRun {
public:
    // Starts the probe with `server` as its sound server, playing `cues`.
    ProbeRun(const QByteArray& server, const QStringList& cues);
    ~ProbeRun();
    ProbeRun(const ProbeRun&) = delete;
    ProbeRun& operator=(const ProbeRun&) = delete;

    // Waits until the probe has played its cue number `cue` (from 1) and
    // let it sound for a moment; false when it ended or took too long.
    bool WaitUntilPlayed(int cue);
    // Waits for the probe to end by itself; false when it did not within
    // `timeoutMs` (it is killed then).
    bool WaitForEnd(int timeoutMs = 20000);

    // Once ended: whether it returned 0 from its main, with no crash.
    bool EndedCleanly() const;
    // What it wrote to its standard error.
    const QByteArray& Errors() const { return errors_; }
    // Its figures (making the output, the longest cue call, the end), and
    // how long the whole run and the time from its last cue took.
    QString Figures() const;
    // Milliseconds from its last cue to its end: the end of the output and
    // of the process.
    qint64 EndMs() const { return endMs_; }

private:
    void ReadOutput();

    QProcess probe_;
    QElapsedTimer clock_;
    QByteArray output_;
    QByteArray errors_;
    int cues_ = 0;
    qint64 lastCueMs_ = -1;
    qint64 runMs_ = -1;
    qint64 endMs_ = -1;
};

}  // namespace zq::testing
