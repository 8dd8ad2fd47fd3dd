// These tests play real sounds. They go to the private sound server that
// ./test starts (ZQ_TEST_PULSE_SERVER), or else to no server at all: never
// to the loudspeakers of the machine that runs the tests.
#include <gtest/gtest.h>

#include <QByteArray>

namespace {

class QuietSoundServer : public ::testing::Environment {
public:
    void SetUp() override {
        const QByteArray server = qgetenv("ZQ_TEST_PULSE_SERVER");
        qputenv("PULSE_SERVER",
                server.isEmpty() ? QByteArray("unix:/nonexistent/zq-no-sound-server") : server);
    }
};

[[maybe_unused]] ::testing::Environment* const kQuietSoundServer =
    ::testing::AddGlobalTestEnvironment(new QuietSoundServer);

}  // namespace
