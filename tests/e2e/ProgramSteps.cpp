#include "ProgramSteps.h"

#include <gtest/gtest.h>

#include <fstream>
#include <thread>

namespace zq::e2e {

using std::chrono::seconds;

std::string LogOn(ProgramSession& session) {
    session.Start();
    const std::string logon = session.WaitForWindow(kLogon);
    EXPECT_FALSE(logon.empty()) << "the logon dialog did not appear";
    session.Key(logon, "Return");
    const std::string main = session.WaitForWindow(kMain);
    EXPECT_FALSE(main.empty()) << "the main window did not appear";
    EXPECT_TRUE(session.WaitUntilGone(kLogon));
    return main;
}

void CloseProgram(ProgramSession& session, const std::string& main) {
    session.Key(main, "Escape");
    const auto end = std::chrono::steady_clock::now() + seconds(15);
    while (session.VisibleWindows(kMain).size() < 2 && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    session.KeyToFocused("Return");
    EXPECT_EQ(session.WaitForExit(seconds(15)), 0);
}

std::string CourseLine(const std::string& path, int index) {
    std::ifstream file(path);
    std::string line;
    for (int i = 0; i <= index; ++i) std::getline(file, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return line;
}

}  // namespace zq::e2e
