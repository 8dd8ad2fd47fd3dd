#include "ProbeRun.h"

#include <QProcessEnvironment>

namespace zq::testing {

ProbeRun::ProbeRun(const QByteArray& server, const QStringList& cues) : cues_(static_cast<int>(cues.size())) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("PULSE_SERVER", QString::fromUtf8(server));
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    probe_.setProcessEnvironment(environment);
    clock_.start();
    probe_.start(QStringLiteral(ZQ_SOUND_PROBE), cues);
}

ProbeRun::~ProbeRun() {
    if (probe_.state() != QProcess::NotRunning) {
        probe_.kill();
        probe_.waitForFinished();
    }
}

bool ProbeRun::WaitUntilPlayed(int cue) {
    const QByteArray line = "played " + QByteArray::number(cue) + "\n";
    for (;;) {
        ReadOutput();
        if (output_.contains(line)) return true;
        if (probe_.state() == QProcess::NotRunning || clock_.elapsed() > 20000) return false;
        probe_.waitForReadyRead(100);
    }
}

bool ProbeRun::WaitForEnd(int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    while (probe_.state() != QProcess::NotRunning && waited.elapsed() < timeoutMs) {
        probe_.waitForFinished(50);
        ReadOutput();
    }
    if (probe_.state() != QProcess::NotRunning) return false;
    ReadOutput();
    errors_ = probe_.readAllStandardError();
    runMs_ = clock_.elapsed();
    endMs_ = runMs_ - lastCueMs_;
    return true;
}

bool ProbeRun::EndedCleanly() const {
    return probe_.state() == QProcess::NotRunning && probe_.exitStatus() == QProcess::NormalExit &&
           probe_.exitCode() == 0;
}

QString ProbeRun::Figures() const {
    QString figures;
    for (const QByteArray& line : output_.split('\n')) {
        if (!line.isEmpty() && !line.startsWith("played ")) figures += QString::fromUtf8(line) + ", ";
    }
    return figures + QStringLiteral("whole run %1 ms, from the last cue to the end of the process %2 ms")
                         .arg(runMs_)
                         .arg(endMs_);
}

void ProbeRun::ReadOutput() {
    output_ += probe_.readAllStandardOutput();
    // The end counts from the last cue's line, read as soon as it came.
    if (lastCueMs_ < 0 && output_.contains("played " + QByteArray::number(cues_) + "\n"))
        lastCueMs_ = clock_.elapsed();
}

}  // namespace zq::testing
