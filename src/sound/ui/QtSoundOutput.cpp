#include "sound/ui/QtSoundOutput.h"

#include <QApplication>

#include "sound/ui/SoundEffectOutput.h"

namespace zq {

namespace {

// The effects call the bell on the sound thread; the desktop's bell is rung
// on the user-interface thread.
SoundEffectOutput::Bell OnUserInterfaceThread(QtSoundOutput::Bell bell) {
    return [bell = std::move(bell)] {
        if (QCoreApplication* application = QCoreApplication::instance()) {
            QMetaObject::invokeMethod(application, bell, Qt::QueuedConnection);
        }
    };
}

}  // namespace

QtSoundOutput::QtSoundOutput() : QtSoundOutput([] { QApplication::beep(); }, {}) {}

QtSoundOutput::QtSoundOutput(Bell bell, QByteArray deviceId)
    : SoundThread([bell = OnUserInterfaceThread(std::move(bell)), deviceId = std::move(deviceId)] {
          return std::make_unique<SoundEffectOutput>(bell, deviceId);
      }) {}

}  // namespace zq
