#include "profile/ui/TProfileFm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <deque>
#include <filesystem>
#include <functional>

#include "../ProfileDialogFakes.h"
#include "base/IniFile.h"
#include "base/LibraryError.h"
#include "base/ui/Colors.h"
#include "profile/EasyReading.h"
#include "profile/ui/ColorComboBox.h"
#include "support/TempFolder.h"

namespace zq {
namespace {

using test::FakeAgent;
using test::TempFolder;

// Answers the message boxes the dialog opens, in order, and keeps their texts.
class MessageBoxAnswers {
public:
    MessageBoxAnswers() {
        watch_.setInterval(5);
        QObject::connect(&watch_, &QTimer::timeout, [this] { AnswerOpenBox(); });
    }
    ~MessageBoxAnswers() {
        EXPECT_TRUE(answers_.empty()) << answers_.size() << " message boxes never opened";
    }

    // The next box that opens is answered with `button`.
    void Next(QMessageBox::StandardButton button) {
        answers_.push_back(button);
        watch_.start();
    }
    QStringList texts;

private:
    void AnswerOpenBox() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || answers_.empty()) return;
        texts.push_back(box->text());
        const QMessageBox::StandardButton button = answers_.front();
        answers_.pop_front();
        if (answers_.empty()) watch_.stop();
        box->button(button)->click();
    }

    std::deque<QMessageBox::StandardButton> answers_;
    QTimer watch_;
};

// The dialog's client area of 395 by 419, with the row of the speech
// switch and rate that the Misc tab adds below its switches.
void ExpectTheDesignedSize(const QSize& size) {
    EXPECT_EQ(size.width(), 395);
    EXPECT_GE(size.height(), 419);
    EXPECT_LE(size.height(), 419 + 32) << "one row more than the designed height";
}

class TProfileFmTest : public ::testing::Test {
protected:
    TProfileFmTest() {
        store.Attach(anna);
        anna.UserName = "Anna";
        anna.Course = "English";
        anna.Progress = 7;
        anna.TimeTotal = 25 * 3600000 + 61000;
        anna.KeyboardLayout = "0000040C";
        anna.BgColor = clGray;
        anna.GameBgColor = clNavy;
        anna.PracticeFont = {"DejaVu Sans Mono", 16, clBlack, true, false, false, false};
        anna.Save();
        store.StoreSection(anna, "Bob");
        dialog.SetAgent(layouts.agent.get());
        for (const char* course : {"English", "Deutsch"})
            std::filesystem::create_directories(folder / "Courses" / course);
        dialog.SetCourses(ProgramPaths(folder.Dir()));
    }

    // Runs the dialog in edit (or new-user) mode; `act` runs once the dialog
    // is open and no message box is in front of it.
    int Run(const std::function<void()>& act, bool newUser = false) {
        QTimer waitForDialog;
        waitForDialog.setInterval(5);
        QObject::connect(&waitForDialog, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() != &dialog) return;
            waitForDialog.stop();
            act();
        });
        waitForDialog.start();
        return newUser ? dialog.ExecuteNewUser(anna) : dialog.ExecuteEdit(anna);
    }

    static int IndexOf(QComboBox* box, const char* name) { return box->findText(QString::fromLatin1(name)); }

    TempFolder folder;
    ProfileStore store{folder.File("zqc.ini")};
    TProfile anna;
    FakeAgent layouts;
    TProfileFm dialog{store};
    MessageBoxAnswers boxes;
};

TEST_F(TProfileFmTest, OpensOnTheLayoutTabWithEveryFieldShown) {
    const int result = Run([&] {
        EXPECT_EQ(dialog.windowTitle(), "Profile");
        ExpectTheDesignedSize(dialog.size());
        const QPoint offCentre = dialog.geometry().center() - dialog.screen()->availableGeometry().center();
        EXPECT_LE(offCentre.manhattanLength(), 10) << "in the middle of the screen, give or take the frame";
        EXPECT_EQ(dialog.ProfileTabs->currentWidget(), dialog.LayoutTab);
        EXPECT_EQ(dialog.ProfileTabs->tabText(0), "Layout");
        EXPECT_EQ(dialog.ProfileTabs->tabText(1), "Misc");
        EXPECT_EQ(dialog.ProfileTabs->tabText(2), "Keyboard");
        EXPECT_EQ(dialog.ProfileTabs->tabText(3), "Goals");
        EXPECT_EQ(dialog.UserEd->currentText(), "Anna");
        EXPECT_EQ(dialog.UserEd->count(), 2);
        EXPECT_EQ(dialog.UserEd->palette().color(QPalette::Base), QColor(Qt::yellow));
        EXPECT_EQ(dialog.CourseEd->currentText(), "English");
        EXPECT_EQ(dialog.CourseEd->count(), 3) << "Deutsch, English and New course...";
        EXPECT_EQ(dialog.ProgressLb->text(), "7");
        EXPECT_EQ(dialog.TimeLb->text(), "25 h 1 m 1 s");
        EXPECT_EQ(dialog.TimeLb->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        EXPECT_EQ(dialog.ExampleEd->font().family(), "DejaVu Sans Mono");
        EXPECT_TRUE(dialog.ExampleEd->font().bold());
        EXPECT_EQ(dialog.ExampleEd->text(), "ExAmPLe");
        EXPECT_EQ(dialog.GameExampleEd->palette().color(QPalette::Base), QColor(0, 0, 128));
        EXPECT_EQ(dialog.EdColor->currentText(), "Gray");
        EXPECT_EQ(dialog.ColorEd->currentText(), "Navy");
        EXPECT_FALSE(dialog.EdColor->isEditable());
        EXPECT_TRUE(dialog.ColorEd->isEditable());
        EXPECT_EQ(dialog.ColorEd->itemText(dialog.ColorEd->count() - 1), "Custom...");
        EXPECT_EQ(dialog.ChkFunSpeed->toolTip(), "Enable the word fall at different speeds in the game");
        EXPECT_EQ(dialog.KeyboardsCombo->count(), 3);
        EXPECT_EQ(dialog.KeyboardsCombo->currentText(), "French - 0000040C");
        EXPECT_EQ(dialog.InfoMemo->lineWrapMode(), QPlainTextEdit::NoWrap);
        EXPECT_EQ(dialog.InfoMemo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_TRUE(dialog.InfoMemo->toPlainText().startsWith("Loaded input locale identifiers:"));
        EXPECT_EQ(dialog.OriginalKeyboardNameLb->text(), "US");
        EXPECT_EQ(dialog.OriginalKeyboardNameLb->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        EXPECT_EQ(dialog.OkBn->text(), "&Save");
        EXPECT_TRUE(dialog.OkBn->isVisible());
        EXPECT_TRUE(dialog.EraseBn->isVisible());
        EXPECT_TRUE(dialog.BnApply->toolTip().startsWith("Apply user profile, and close."));
        EXPECT_EQ(dialog.font().pixelSize(), 15);
        dialog.CancelBn->click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
}

TEST_F(TProfileFmTest, TheGoalsTabShowsTheTargetSpeedAndTheDailyGoalAndApplyTakesThem) {
    anna.TargetSpeed = 180;
    anna.DailyGoal = 5000;  // beyond what the box takes
    const int result = Run([&] {
        EXPECT_EQ(dialog.TargetSpeedEd->value(), 180);
        EXPECT_EQ(dialog.TargetSpeedEd->suffix(), " keys per minute");
        EXPECT_EQ(dialog.DailyGoalEd->value(), 600);
        EXPECT_EQ(dialog.DailyGoalLb->buddy(), dialog.DailyGoalEd);
        dialog.ProfileTabs->setCurrentWidget(dialog.GoalsTab);
        dialog.TargetSpeedEd->setValue(210);
        dialog.DailyGoalEd->setValue(15);
        dialog.BnApply->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(anna.TargetSpeed, 210);
    EXPECT_EQ(anna.DailyGoal, 15);
}

TEST_F(TProfileFmTest, ApplyTakesTheClickedSwitchesAndPickedColors) {
    const int result = Run([&] {
        dialog.ChkFullScreen->click();
        dialog.CourseEd->setCurrentIndex(0);  // Deutsch
        emit dialog.EdColor->activated(IndexOf(dialog.EdColor, "Cream"));
        dialog.KeyboardsCombo->setCurrentIndex(2);
        dialog.BnApply->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(anna.FullScreen);
    EXPECT_EQ(anna.Course, "Deutsch");
    EXPECT_EQ(anna.BgColor, Rgb(255, 251, 240));
    EXPECT_EQ(anna.GameBgColor, clNavy);
    EXPECT_EQ(anna.KeyboardLayout, "00000407");
    EXPECT_EQ(IniFile(store.Path()).ReadString("Anna", "FullScreen", ""), "0") << "Apply stores nothing";
}

TEST_F(TProfileFmTest, SpeechIsSwitchedOnAndItsRateSetOnTheMiscTab) {
    anna.SpeechRate = 25;  // beyond the fastest: shown as the fastest
    const int result = Run([&] {
        EXPECT_FALSE(dialog.ChkSpeak->isChecked());
        EXPECT_EQ(dialog.ChkSpeak->text(), "Speak");
        EXPECT_EQ(dialog.ChkSpeak->parentWidget(), dialog.MiscTab);
        EXPECT_EQ(dialog.SpeechRateEd->value(), 10);
        EXPECT_EQ(dialog.LbSpeechRate->buddy(), static_cast<QWidget*>(dialog.SpeechRateEd))
            << "the label names the control for a reader";
        dialog.ChkSpeak->click();
        dialog.SpeechRateEd->setValue(-12);
        EXPECT_EQ(dialog.SpeechRateEd->value(), -10);
        dialog.SpeechRateEd->stepUp();
        dialog.BnApply->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(anna.Speak);
    EXPECT_EQ(anna.SpeechRate, -9);
}

// The desktop's font families hold the readable font: ./run and ./test install it.
bool DesktopHasTheReadableFont() {
    return QFontDatabase::families().contains(QString::fromLatin1(kReadableFontFamily), Qt::CaseInsensitive);
}

TEST_F(TProfileFmTest, EasyReadingSitsBesideTheFontsAndProposesTheReadableFont) {
    ASSERT_TRUE(DesktopHasTheReadableFont()) << "fonts-opendyslexic is missing from this desktop";
    boxes.Next(QMessageBox::Yes);
    const int result = Run([&] {
        EXPECT_FALSE(dialog.ChkEasyReading->isChecked()) << "a profile without the key has it off";
        EXPECT_EQ(dialog.ChkEasyReading->parentWidget(), dialog.LayoutTab);
        EXPECT_EQ(dialog.ChkEasyReading->text(), "Easy reading");
        dialog.ChkEasyReading->click();
        EXPECT_EQ(dialog.ExampleEd->font().family(), "OpenDyslexic");
        EXPECT_EQ(dialog.GameExampleEd->font().family(), "OpenDyslexic");
        EXPECT_EQ(dialog.ExampleEd->font().pointSize(), 16) << "the example keeps the size chosen";
        dialog.BnApply->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].contains("OpenDyslexic"));
    EXPECT_TRUE(anna.EasyReading);
    EXPECT_EQ(anna.PracticeFont.Name, "OpenDyslexic");
    EXPECT_EQ(anna.TextFont.Name, "OpenDyslexic");
}

TEST_F(TProfileFmTest, EasyReadingSwitchedOffKeepsTheFontsAndAsksNothing) {
    anna.EasyReading = true;
    const int result = Run([&] {
        EXPECT_TRUE(dialog.ChkEasyReading->isChecked());
        dialog.ChkEasyReading->click();
        dialog.BnApply->click();
    });
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_TRUE(boxes.texts.isEmpty());
    EXPECT_FALSE(anna.EasyReading);
    EXPECT_EQ(anna.PracticeFont.Name, "DejaVu Sans Mono");
}

TEST_F(TProfileFmTest, ATypedColorNameIsCompletedAndCustomOpensTheColorChooser) {
    std::vector<TColor> chooserOpenedWith;
    dialog.SetColorChooser([&](QWidget* parent, TColor initial) -> std::optional<TColor> {
        EXPECT_EQ(parent, &dialog);
        chooserOpenedWith.push_back(initial);
        return Rgb(12, 34, 56);
    });
    Run([&] {
        QLineEdit* typing = dialog.ColorEd->lineEdit();
        dialog.activateWindow();  // completion works in the focused box
        QApplication::processEvents();
        typing->setFocus();
        typing->selectAll();
        for (const QChar ch : QString("sky b")) {
            QKeyEvent key(QEvent::KeyPress, ch.toUpper().unicode(), Qt::NoModifier, QString(ch));
            QApplication::sendEvent(typing, &key);
        }
        EXPECT_EQ(typing->text(), "sky blue") << "typing completes the name";
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QApplication::sendEvent(typing, &enter);
        EXPECT_EQ(dialog.ColorEd->currentText(), "Sky Blue");
        EXPECT_TRUE(dialog.isVisible()) << "Enter picks the colour without closing the dialog";

        emit dialog.ColorEd->activated(IndexOf(dialog.ColorEd, "Custom..."));
        EXPECT_EQ(dialog.ColorEd->currentText(), "Custom");
        dialog.BnApply->click();
    });
    EXPECT_EQ(chooserOpenedWith, std::vector<TColor>{Rgb(166, 202, 240)});
    EXPECT_EQ(anna.GameBgColor, Rgb(12, 34, 56));
}

TEST_F(TProfileFmTest, AFontButtonShowsTheChosenFontInItsExample) {
    const TFontRecord chosen{"DejaVu Serif", 18, clMaroon, false, true, true, false};
    std::vector<TFontRecord> chooserOpenedWith;
    dialog.SetFontChooser([&](QWidget*, const TFontRecord& initial) -> std::optional<TFontRecord> {
        chooserOpenedWith.push_back(initial);
        return chosen;
    });
    Run([&] {
        dialog.SetFontBn->click();
        EXPECT_EQ(dialog.ExampleEd->font().family(), "DejaVu Serif");
        EXPECT_EQ(dialog.ExampleEd->font().pointSize(), 18);
        EXPECT_TRUE(dialog.ExampleEd->font().underline());
        EXPECT_EQ(dialog.ExampleEd->palette().color(QPalette::Text), QColor(128, 0, 0));
        EXPECT_EQ(anna.PracticeFont.Name, "DejaVu Sans Mono") << "nothing changes before Apply";
        dialog.BnApply->click();
    });
    ASSERT_EQ(chooserOpenedWith.size(), 1u);
    EXPECT_EQ(chooserOpenedWith[0],
              (TFontRecord{"DejaVu Sans Mono", 16, clBlack, true, false, false, false}));
    EXPECT_EQ(anna.PracticeFont, chosen);
}

TEST_F(TProfileFmTest, SaveStoresTheProfileOrAddsANewUserAndStaysOpen) {
    boxes.Next(QMessageBox::Yes);
    boxes.Next(QMessageBox::Ok);
    Run([&] {
        dialog.ChkPopupAtEnd->click();
        dialog.OkBn->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(IniFile(store.Path()).ReadString("Anna", "PopupAtEnd", ""), "1");

        dialog.UserEd->setEditText("Carla");
        dialog.OkBn->click();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.UserEd->count(), 3);
        dialog.CancelBn->click();
    });
    EXPECT_EQ(boxes.texts, (QStringList{"Are you going to add a new user?",
                                        "Please restart the program to load the profile of new user."}));
    EXPECT_EQ(store.UserNames(), (std::vector<std::string>{"Anna", "Bob", "Carla"}));
    EXPECT_EQ(IniFile(store.Path()).ReadString("Carla", "Progress", ""), "0");
    EXPECT_EQ(anna.UserName, "Anna");
}

TEST_F(TProfileFmTest, AStoreThatFailsLeavesTheDialogOpenAndTheFileIntact) {
    folder.Write("plain", "");
    ProfileStore(folder.File("plain") + "/zqc.ini").Attach(anna);
    const std::string before = folder.Read("zqc.ini");
    Run([&] {
        EXPECT_THROW(dialog.OkBn->click(), LibraryError);
        EXPECT_TRUE(dialog.isVisible());
        dialog.CancelBn->click();
    });
    EXPECT_EQ(folder.Read("zqc.ini"), before);
}

TEST_F(TProfileFmTest, EraseRemovesTheUserNamedInTheUserBox) {
    boxes.Next(QMessageBox::Yes);
    Run([&] {
        dialog.UserEd->setEditText("Bob");
        dialog.EraseBn->click();
        EXPECT_EQ(dialog.UserEd->currentText(), "Anna");
        EXPECT_EQ(dialog.UserEd->count(), 1);
        dialog.CancelBn->click();
    });
    EXPECT_EQ(boxes.texts,
              QStringList{"You are going to erase the profile of selected user. Do you want to confirm?"});
    EXPECT_EQ(store.UserNames(), std::vector<std::string>{"Anna"});
}

TEST_F(TProfileFmTest, NewUserModeHidesSaveAndEraseAndWantsAName) {
    boxes.Next(QMessageBox::Ok);
    const int result = Run(
        [&] {
            EXPECT_FALSE(dialog.OkBn->isVisible());
            EXPECT_FALSE(dialog.EraseBn->isVisible());
            EXPECT_TRUE(dialog.BnApply->isVisible());
            dialog.UserEd->setEditText("   ");
            dialog.BnApply->click();
            EXPECT_TRUE(dialog.isVisible());
            dialog.UserEd->setEditText(" Dora ");
            dialog.BnApply->click();
        },
        true);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(boxes.texts, QStringList{"Please define a user name."});
    EXPECT_EQ(anna.UserName, "Dora");
}

TEST_F(TProfileFmTest, AnOddProfileOpensAndKeepsWhatTheWindowCannotShow) {
    anna.KeyboardLayout = "0000041D";
    anna.BgColor = -2147483623;
    anna.GameBgColor = clNone;
    anna.PracticeFont = {"", 0, clDefault, false, false, false, false};
    anna.TextFont = {"No Such Font", 500, -1, true, true, false, false};
    anna.GameFont = {"DejaVu Sans", 10, clNone, false, false, true, true};
    const TProfile before = anna;
    boxes.Next(QMessageBox::Ok);
    Run([&] {
        EXPECT_EQ(dialog.EdColor->currentText(), "Custom");
        EXPECT_EQ(dialog.ColorEd->currentText(), "None");
        EXPECT_EQ(dialog.KeyboardsCombo->currentIndex(), -1);
        ExpectTheDesignedSize(dialog.size());  // a large example font does not stretch the dialog
        dialog.BnApply->click();
    });
    EXPECT_EQ(boxes.texts, QStringList{"0000041D layout could not be activated."});
    EXPECT_EQ(anna.BgColor, before.BgColor);
    EXPECT_EQ(anna.GameBgColor, before.GameBgColor);
    EXPECT_EQ(anna.PracticeFont, before.PracticeFont);
    EXPECT_EQ(anna.TextFont, before.TextFont);
    EXPECT_EQ(anna.GameFont, before.GameFont);
    EXPECT_EQ(anna.KeyboardLayout, "0000041D") << "a layout this computer lacks is kept";
}

TEST_F(TProfileFmTest, TheOpenersFontNameKeepsTheSize) {
    dialog.SetWindowFont("DejaVu Serif", 1);
    Run([&] {
        EXPECT_EQ(dialog.font().family(), "DejaVu Serif");
        EXPECT_EQ(dialog.font().pixelSize(), 15);
        EXPECT_GE(dialog.width(), 395);
        dialog.CancelBn->click();
    });
}

}  // namespace
}  // namespace zq
