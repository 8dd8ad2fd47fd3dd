// The main window's buttons and closing on Qt's offscreen platform.
#include "app/ui/MainWindow.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "../../support/TempFolder.h"
#include "WindowTestSupport.h"
#include "app/TSettings.h"
#include "base/Translation.h"
#include "profile/ProfileStore.h"

namespace zq {
namespace {

using test::TempFolder;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using testing::MessageBoxAnswerer;

class NoDialogs : public ProfileEditorFactory, public GameHostFactory {
public:
    std::unique_ptr<ProfileEditor> CreateProfileEditor() override { return nullptr; }
    std::unique_ptr<GameHost> CreateGameHost() override { return nullptr; }
};

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        testing::WriteProgramFolder(folder / "");
        store.Attach(profile);
        profile.UserName = "Default";
        profile.Load();
        window.Form().AttachProfile(profile);
    }

    TempFolder folder;
    TSettings settings{folder.Dir()};
    ProfileStore store{folder.File("zqc.ini")};
    TProfile profile;
    NoDialogs none;
    int logonClosed = 0;
    MainWindow window{settings, none, none, [this] { ++logonClosed; }};
};

TEST_F(MainWindowTest, TenButtonsInTabOrderTheAdaptiveDrillAfterTheDrillsProfileBelowExitStatisticsLast) {
    const std::vector<QPushButton*> buttons{
        window.CourseBn, window.SentenceBn, window.FreeBn, window.ParagraphBn, window.AdaptiveBn,
        window.GameBn,   window.HelpBn,     window.ExitBn, window.ProfileBn,   window.StatisticsBn};
    std::vector<std::string> captions;
    for (QPushButton* button : buttons) captions.push_back(button->text().toStdString());
    EXPECT_THAT(captions,
                ElementsAre("&Course", "&Sentence Drills", "&Free Drills", "&Paragraph Drills",
                            "&Adaptive Drill", "&Game", "&Help", "E&xit", "P&rofile", "S&tatistics"));

    window.show();
    QApplication::processEvents();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(buttons[i]->width(), 200);
        EXPECT_EQ(buttons[i]->height(), 32);
        EXPECT_EQ(buttons[i]->x(), 8);
        EXPECT_EQ(buttons[i]->y(), 29 + 37 * static_cast<int>(i));
        if (i + 1 < buttons.size()) {
            EXPECT_EQ(buttons[i]->nextInFocusChain(), buttons[i + 1]);
        }
    }
    EXPECT_GE(window.width(), 217);
    EXPECT_GE(window.height(), 345);
    EXPECT_EQ(window.minimumSize(), window.maximumSize());  // a fixed border
    window.hide();
}

// French captions are longer than English ones ("Exercices de paragraphes").
TEST(MainWindowCaptionsTest, EveryCaptionHasRoomOnBothSidesInFrench) {
    SetupTranslation(std::string(ZQ_PROGRAM_DIR) + "/locale", "fr");
    TempFolder folder;
    testing::WriteProgramFolder(folder / "");
    TSettings settings{folder.Dir()};
    NoDialogs none;
    MainWindow window{settings, none, none, [] {}};
    SetupTranslation(std::string(ZQ_PROGRAM_DIR) + "/locale", "C");
    window.show();
    QApplication::processEvents();
    ASSERT_NE(window.ParagraphBn->text(), QStringLiteral("&Paragraph Drills")) << "no French catalogue";
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        SCOPED_TRACE(button->text().toStdString());
        const QString caption = QString(button->text()).remove(QLatin1Char('&'));
        const int captionWidth = button->fontMetrics().horizontalAdvance(caption);
        const int room = (button->width() - captionWidth) / 2;
        EXPECT_GE(room, button->fontMetrics().height()) << "the caption nearly touches the button's edges";
    }
    window.hide();
}

// A warning raised while the profile is attached (the history cannot be
// used) waits for the window: it opens over the finished window, never
// alone at a corner of the screen before it.
TEST_F(MainWindowTest, AMessageRaisedBeforeTheWindowShowsOpensOverTheShownWindow) {
    struct Seen {
        std::string text;
        bool overTheShownWindow = false;
    };
    std::vector<Seen> seen;
    QTimer watcher;
    watcher.setInterval(10);
    QObject::connect(&watcher, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        seen.push_back({box->text().toStdString(), box->parentWidget() == &window && window.isVisible()});
        box->accept();
    });
    watcher.start();

    window.InformationBox("The practice history cannot be used.");
    EXPECT_TRUE(seen.empty()) << "shown before the window";
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (seen.empty() && waited.elapsed() < 5000) QApplication::processEvents(QEventLoop::AllEvents, 10);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].text, "The practice history cannot be used.");
    EXPECT_TRUE(seen[0].overTheShownWindow);
    window.hide();
}

TEST_F(MainWindowTest, TheFocusedButtonsCaptionIsBlue) {
    window.show();
    window.activateWindow();
    window.SentenceBn->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(window.SentenceBn->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    window.FreeBn->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(window.SentenceBn->palette().color(QPalette::ButtonText), QColor(Qt::black));
    EXPECT_EQ(window.FreeBn->palette().color(QPalette::ButtonText), QColor(Qt::blue));
    window.hide();
}

TEST_F(MainWindowTest, HiddenActionsTakeTheirButtonsAlong) {
    window.show();
    window.SetActionsShown(false);
    EXPECT_FALSE(window.CourseBn->isVisible());
    EXPECT_FALSE(window.ProfileBn->isEnabled());
    window.SetActionsShown(true);
    EXPECT_TRUE(window.ExitBn->isVisible());
    EXPECT_TRUE(window.GameBn->isEnabled());
    window.hide();
}

TEST_F(MainWindowTest, EscapeClosesAfterTheMessageAndAFailedStoreKeepsTheWindowOpen) {
    window.show();
    std::filesystem::remove(folder / "zqc.ini");
    std::filesystem::create_directories(folder / "zqc.ini");  // cannot be written
    MessageBoxAnswerer boxes;
    testing::PressKey(window.CourseBn, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(logonClosed, 0);
    ASSERT_EQ(boxes.texts.size(), 2u);
    EXPECT_THAT(boxes.texts[0], HasSubstr("Default: The practice time is 0 h 0 m 0 s"));
    EXPECT_THAT(boxes.texts[1], HasSubstr("Unable to write to"));

    std::filesystem::remove(folder / "zqc.ini");
    window.ExitBn->click();
    QApplication::processEvents();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(logonClosed, 1);
    EXPECT_TRUE(std::filesystem::exists(folder / "zq.ini"));
}

}  // namespace
}  // namespace zq
