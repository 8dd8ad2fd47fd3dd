// The sound effects module as the program loads it.
#include <gtest/gtest.h>

#include <QLibrary>
#include <memory>

#include "app/module/SoundEffectsModule.h"

namespace zq {
namespace {

TEST(SoundModule, TheProgramFolderHoldsTheModuleWithItsFactory) {
    QLibrary module(QStringLiteral(ZQ_PROGRAM_DIR "/zq-sound-effects"));
    const auto make = reinterpret_cast<MakeSoundEffectOutput>(module.resolve(kMakeSoundEffectOutput));
    ASSERT_NE(make, nullptr) << module.errorString().toStdString();
    std::unique_ptr<SoundOutput> output(make([] {}));
    EXPECT_NE(output, nullptr);
}

}  // namespace
}  // namespace zq
