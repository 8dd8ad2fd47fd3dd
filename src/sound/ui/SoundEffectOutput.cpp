#include "sound/ui/SoundEffectOutput.h"

#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "sound/WaveFile.h"

namespace zq {

namespace {

QAudioDevice OutputDevice(const QByteArray& id) {
    if (!id.isEmpty()) {
        for (const QAudioDevice& device : QMediaDevices::audioOutputs()) {
            if (device.id() == id) return device;
        }
    }
    return QMediaDevices::defaultAudioOutput();
}

}  // namespace

SoundEffectOutput::SoundEffectOutput(Bell bell, QByteArray deviceId)
    : bell_(std::move(bell)), deviceId_(std::move(deviceId)) {}

SoundEffectOutput::~SoundEffectOutput() = default;

void SoundEffectOutput::Play(const std::string& path8) {
    CutOff();
    QSoundEffect* effect = EffectFor(path8);
    if (effect == nullptr || effect->status() == QSoundEffect::Error) {
        bell_();
        return;
    }
    // An effect still loading starts as soon as its samples are in.
    effect->play();
    sounding_ = effect;
}

bool SoundEffectOutput::IsSounding(const std::string& path8) const {
    const auto found = effects_.find(path8);
    return found != effects_.end() && found->second.get() == sounding_ && sounding_->isPlaying();
}

void SoundEffectOutput::CutOff() {
    if (sounding_ != nullptr) sounding_->stop();
    sounding_ = nullptr;
}

QSoundEffect* SoundEffectOutput::EffectFor(const std::string& path8) {
    const auto found = effects_.find(path8);
    if (found != effects_.end()) return found->second.get();
    // Checked before Qt sees the file: its decoder would wait for ever for
    // the rest of a file cut short, and hang the program's exit with it. An
    // unplayable file is looked at again next time, in case it is mended.
    if (!IsPlayableWave(path8)) return nullptr;
    return effects_.emplace(path8, MakeEffect(path8)).first->second.get();
}

std::unique_ptr<QSoundEffect> SoundEffectOutput::MakeEffect(const std::string& path8) {
    auto effect = std::make_unique<QSoundEffect>(OutputDevice(deviceId_));
    QSoundEffect* raw = effect.get();
    // A file the decoder refuses after all fails while it loads, after Play
    // has returned: the bell rings then.
    QObject::connect(raw, &QSoundEffect::statusChanged, raw, [this, raw] {
        if (raw->status() == QSoundEffect::Error && raw == sounding_) {
            sounding_ = nullptr;
            bell_();
        }
    });
    // The path is the bytes the file system knows the file by.
    raw->setSource(QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path8))));
    return effect;
}

}  // namespace zq
