#pragma once

#include <QCollator>
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "course/NewCourse.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace zq {

class CourseMaker;
class KeyCapPainter;

// "New course for a keyboard layout": the computer's keyboard layouts, with
// a search box, and the making of the chosen one's course with a progress
// bar and Cancel (see NewCourseChooser).
class NewCourseWindow : public QDialog, private NewCourseView {
    Q_OBJECT
public:
    // The course goes into `coursesFolder`, under a name none of
    // `takenNames` has.
    NewCourseWindow(const std::string& coursesFolder, const std::vector<std::string>& takenNames,
                    QWidget* parent = nullptr);
    ~NewCourseWindow() override;

    // The course made (UTF-8 name); empty when none was.
    const std::string& MadeCourse() const { return chooser_->MadeCourse(); }

    QLineEdit* SearchEd = nullptr;
    QListWidget* LayoutsLst = nullptr;
    QLabel* HintLb = nullptr;
    QProgressBar* MakingBar = nullptr;
    QPushButton* MakeBn = nullptr;
    QPushButton* CancelBn = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ShowLayouts(const std::vector<std::string>& linesUtf8, int selected) override;
    int SelectedLayout() const override;
    void SetMaking(bool making) override;
    void ShowProgress(int percent) override;
    void ErrorMessage(std::string_view utf8) override;
    void CloseDialog(bool made) override;
    bool ComesBefore(std::string_view aUtf8, std::string_view bUtf8) const override;

    std::unique_ptr<KeyCapPainter> painter_;
    std::unique_ptr<CourseMaker> maker_;
    std::unique_ptr<NewCourseChooser> chooser_;
    bool making_ = false;
    QCollator alphabet_;  // of the windows' language, letter case aside
};

}  // namespace zq
