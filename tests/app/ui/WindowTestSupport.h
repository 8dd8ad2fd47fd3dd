#pragma once

// Helpers for the application windows' tests on Qt's offscreen platform.

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTimer>
#include <filesystem>
#include <string>
#include <vector>

namespace zq::testing {

// Answers every message box that opens with its default button, keeping
// its text, so that code which shows boxes runs on in a test.
class MessageBoxAnswerer {
public:
    MessageBoxAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) return;
            texts.push_back(box->text().toStdString());
            box->accept();
        });
        timer_.start();
    }

    std::vector<std::string> texts;

private:
    QTimer timer_;
};

inline void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

// A program folder with the shipped profile file and the built English
// course, its keyboard template included.
inline void WriteProgramFolder(const std::filesystem::path& folder) {
    std::filesystem::create_directories(folder / "Courses/English");
    // The course the shipped profile names, with its keyboard template: a
    // course without one is named to the learner in a message box.
    std::filesystem::copy(std::string(ZQ_PROGRAM_DIR) + "/Courses/English", folder / "Courses/English",
                          std::filesystem::copy_options::recursive);
    std::filesystem::copy_file(std::string(ZQ_SOURCE_DIR) + "/data/zqc.ini", folder / "zqc.ini");
}

}  // namespace zq::testing
