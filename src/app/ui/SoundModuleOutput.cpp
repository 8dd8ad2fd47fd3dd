#include "app/ui/SoundModuleOutput.h"

#include <QApplication>
#include <QLibrary>

#include "app/module/SoundEffectsModule.h"

namespace zq {
namespace {

// The module's bell, called on the sound thread: the desktop's bell rings
// on the user-interface thread.
void RingBell() {
    if (QCoreApplication* application = QCoreApplication::instance()) {
        QMetaObject::invokeMethod(
            application, [] { QApplication::beep(); }, Qt::QueuedConnection);
    }
}

class Silence final : public SoundOutput {
public:
    void Play(const std::string&) override {}
};

// On the sound thread. The module stays loaded for the rest of the run.
std::unique_ptr<SoundOutput> LoadSoundEffects(const std::string& modulePath) {
    QLibrary module(QString::fromStdString(modulePath));
    const auto make = reinterpret_cast<MakeSoundEffectOutput>(module.resolve(kMakeSoundEffectOutput));
    if (make == nullptr) return std::make_unique<Silence>();
    return std::unique_ptr<SoundOutput>(make(RingBell));
}

}  // namespace

std::unique_ptr<SoundModuleOutput> SoundModuleOutput::FromModulesFolder(const std::string& modulesFolder) {
    return std::make_unique<SoundModuleOutput>(modulesFolder + "zq-sound-effects");
}

SoundModuleOutput::SoundModuleOutput(std::string modulePath)
    : SoundThread([modulePath = std::move(modulePath)] { return LoadSoundEffects(modulePath); }) {}

}  // namespace zq
