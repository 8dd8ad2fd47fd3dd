// The keyboard and hands windows on Qt's offscreen platform: what their
// grabbed pictures show, and how they behave as windows.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QProcess>
#include <QScreen>
#include <QSet>
#include <QtMath>

#include "keyboard/GuidanceFixtures.h"
#include "keyboard/Hand.h"
#include "keyboard/TemplateArchive.h"
#include "keyboard/ui/CaptionStrip.h"
#include "keyboard/ui/GuidanceWindowSet.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"
#include "support/TempFolder.h"

// X11's headers last: they define macros such as None and Bool.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace zq {
namespace {

using testing::CharTableRow;
using testing::KeyTableRow;
using testing::TestKey;

constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;

QRgb PixelAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) | 0xFF000000;
}

// A 20 x 10 key picture on white with a dark top row and a grey block that
// inverts to the highlight grey.
Bitmap Picture() {
    Bitmap picture(20, 10, 0xFFFFFF);
    for (int x = 0; x < 20; ++x) picture.SetPixel(x, 0, 0x202020);
    for (int y = 3; y < 7; ++y) {
        for (int x = 8; x < 14; ++x) picture.SetPixel(x, y, 0x7F7F7F);
    }
    return picture;
}

class KeyboardWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        const std::string glyph = testing::BmpBytes(Picture());
        // Two keys of 40 x 30: "A" a letter key (group 1), "Home" without a group.
        const TestKey letter{.name = "A",
                             .keyValue = 30,
                             .keyType = 1,
                             .finger = 3,
                             .x = 10,
                             .y = 10,
                             .width = 40,
                             .height = 30,
                             .glyph = glyph};
        const TestKey home{.name = "Home",
                           .keyValue = 71,
                           .keyType = 36,
                           .finger = 6,
                           .x = 60,
                           .y = 10,
                           .width = 40,
                           .height = 30,
                           .glyph = glyph};
        testing::WriteZip(path,
                          {{"key.cds", testing::KeyPacket({KeyTableRow(letter), KeyTableRow(home)})},
                           {"char.cds", testing::CharPacket({CharTableRow('a', 30), CharTableRow(1, 71)})},
                           {"readme", "bkcolor=$00C000\n"}});
        keyboard.SetBlinkMode(false);
        keyboard.LoadTemplate(path.string());
    }

    // The picture of the key whose left edge is at `left`, grabbed whole.
    QImage Grab() { return keyboard.grab().toImage(); }
    // A point of the picture (20 x 10, centred in the 40 x 30 key).
    static QPoint InPicture(int keyLeft, int x, int y) { return {keyLeft + 10 + x, 10 + 10 + y}; }

    test::TempFolder folder;
    std::filesystem::path path = folder / "layout.zqt";
    TDataMod store;
    TVKeyboard keyboard{store};
};

TEST_F(KeyboardWindowTest, ClientAreaIsTheKeyAreaOnTheTemplateBackground) {
    const QImage image = Grab();
    EXPECT_EQ(image.size(), QSize(110, 50));
    EXPECT_EQ(keyboard.KbFrame()->geometry(), QRect(0, 0, 110, 50));
    EXPECT_EQ(PixelAt(image, 5, 5), qRgb(0, 0xC0, 0));  // "bkcolor" $00C000 is green
    EXPECT_EQ(PixelAt(image, 12, 12), kWhite);          // key face around the smaller picture
    const QPoint edge = InPicture(10, 5, 0);
    EXPECT_EQ(PixelAt(image, edge.x(), edge.y()), qRgb(0x20, 0x20, 0x20));
    const QPoint block = InPicture(10, 10, 5);
    EXPECT_EQ(PixelAt(image, block.x(), block.y()), qRgb(0x7F, 0x7F, 0x7F));
}

TEST_F(KeyboardWindowTest, TheWindowKeepsTheSizeOfItsKeys) {
    EXPECT_EQ(keyboard.minimumSize(), QSize(110, 50));
    EXPECT_EQ(keyboard.maximumSize(), QSize(110, 50)) << "the window can be resized or maximised";
    keyboard.resize(60, 30);
    EXPECT_EQ(keyboard.size(), QSize(110, 50)) << "a shrunken keyboard crops its keys";
}

// At a scale factor above 1 a key picture is drawn with whole device pixels
// of its own colours: no smoothing blurs its edges into greys.
TEST_F(KeyboardWindowTest, KeyPicturesAreSharpAtEveryScaleFactor) {
    const qreal scale = qApp->devicePixelRatio();
    if (scale == 1) {
        for (const char* factor : {"1.5", "2"}) {
            // This test again, in a process of its own at that scale factor.
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("QT_SCALE_FACTOR", factor);
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(),
                        {"--gtest_filter=KeyboardWindowTest.KeyPicturesAreSharpAtEveryScaleFactor"});
            ASSERT_TRUE(child.waitForFinished(60000));
            const std::string output = QString::fromUtf8(child.readAll()).toStdString();
            EXPECT_EQ(child.exitCode(), 0) << "scale factor " << factor << "\n" << output;
        }
    }
    const QImage image = Grab();
    ASSERT_EQ(image.width(), qRound(110 * scale));
    const QSet<QRgb> ownColors{kWhite, qRgb(0x20, 0x20, 0x20), qRgb(0x7F, 0x7F, 0x7F)};
    const QPoint topLeft = InPicture(10, 0, 0);
    int strange = 0;
    for (int y = qCeil(topLeft.y() * scale); y < qFloor((topLeft.y() + 10) * scale); ++y) {
        for (int x = qCeil(topLeft.x() * scale); x < qFloor((topLeft.x() + 20) * scale); ++x) {
            if (!ownColors.contains(PixelAt(image, x, y))) ++strange;
        }
    }
    EXPECT_EQ(strange, 0) << "pixels in colours the picture does not have, at scale " << scale;
}

TEST_F(KeyboardWindowTest, HighlightShowsTheInvertedPictureOverTheFace) {
    EXPECT_EQ(keyboard.HighlightKey(1), 6);  // "Home": no group, so not pushed in
    const QImage image = Grab();
    const QPoint white = InPicture(60, 2, 8);
    EXPECT_EQ(PixelAt(image, white.x(), white.y()), kBlack);
    const QPoint edge = InPicture(60, 5, 0);
    EXPECT_EQ(PixelAt(image, edge.x(), edge.y()), qRgb(0xDF, 0xDF, 0xDF));
    // Grey 0x7F turned into the transparent 0x80 grey: the white face shows.
    const QPoint block = InPicture(60, 10, 5);
    EXPECT_EQ(PixelAt(image, block.x(), block.y()), kWhite);
    EXPECT_EQ(PixelAt(image, 62, 12), kWhite);
}

// Large print: the palette the main window hands over with Easy reading.
TEST_F(KeyboardWindowTest, ALargeLookDrawsTheKeysLargerWithTheirLegendsInTheContrastPalette) {
    const ContrastPalette contrast{.background = Rgb(0, 0, 0),
                                   .text = Rgb(255, 255, 255),
                                   .wrongText = Rgb(255, 128, 128),
                                   .highlightBackground = Rgb(255, 255, 0),
                                   .highlightText = Rgb(0, 0, 0)};
    keyboard.SetLook(1.5, contrast);
    EXPECT_EQ(keyboard.size(), QSize(165, 75));
    // Points of the template, where the window now draws them.
    const auto at = [](QPoint onTemplate) {
        return QPoint(qFloor(onTemplate.x() * 1.5), qFloor(onTemplate.y() * 1.5));
    };
    QImage image = Grab();
    EXPECT_EQ(PixelAt(image, 5, 5), kBlack) << "the frame is the palette's ground, not the template's green";
    EXPECT_EQ(PixelAt(image, at({14, 14}).x(), at({14, 14}).y()), kBlack) << "so is a key's face";
    const QPoint edge = at(InPicture(10, 5, 0));
    EXPECT_EQ(PixelAt(image, edge.x(), edge.y()), kWhite) << "the dark legend is written white";
    const QPoint block = at(InPicture(10, 10, 5));
    EXPECT_EQ(PixelAt(image, block.x(), block.y()), kWhite);

    keyboard.HighlightKey(1);  // "Home"
    image = Grab();
    const QPoint face = at({64, 14});
    EXPECT_EQ(PixelAt(image, face.x(), face.y()), qRgb(255, 255, 0)) << "the lit key in the highlight";
    const QPoint litEdge = at(InPicture(60, 5, 0));
    EXPECT_EQ(PixelAt(image, litEdge.x(), litEdge.y()), kBlack) << "with its legend in the highlight's text";

    keyboard.SetLook(1, std::nullopt);
    EXPECT_EQ(keyboard.size(), QSize(110, 50));
    EXPECT_EQ(PixelAt(Grab(), 5, 5), qRgb(0, 0xC0, 0)) << "the template's colours come back";
}

TEST_F(KeyboardWindowTest, OnlyAKeyWithAGroupLooksPushedIn) {
    const QImage before = Grab();
    EXPECT_EQ(keyboard.HighlightKey('a'), 3);
    QImage image = Grab();
    // Shadow along the top and left edges of the letter key.
    EXPECT_EQ(PixelAt(image, 10, 25), qRgb(40, 40, 40));
    EXPECT_EQ(PixelAt(image, 30, 10), qRgb(40, 40, 40));
    EXPECT_NE(PixelAt(image, 30, 25), PixelAt(before, 30, 25));  // shaded face

    keyboard.HighlightKey(1);
    image = Grab();
    EXPECT_EQ(PixelAt(image, 10, 25), kWhite);  // the letter key is up again
    EXPECT_EQ(PixelAt(image, 60, 25), kWhite);  // "Home" lit but never pushed in
    EXPECT_EQ(PixelAt(image, 80, 10), kWhite);
}

TEST_F(KeyboardWindowTest, DisabledKeyAreaIgnoresTheMouse) {
    auto click = [&](QPoint at) {
        QMouseEvent press(QEvent::MouseButtonPress, at, keyboard.KbFrame()->mapToGlobal(at), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(keyboard.KbFrame(), &press);
    };
    const ButtonType& letter = *keyboard.Keyboard().KbFrame().Keys().at(0);
    keyboard.KbFrame()->setEnabled(false);
    click({20, 20});
    EXPECT_FALSE(letter.Down());
    keyboard.KbFrame()->setEnabled(true);
    click({20, 20});
    EXPECT_TRUE(letter.Down());
}

// A keyboard too wide for the screen and the hands beside it (a small
// screen at a large scale factor) is drawn smaller, whole, and a click still
// finds the key under it.
TEST(WideKeyboardTest, IsDrawnSmallerToFitTheScreenAndClicksStillFindTheirKeys) {
    const int screenWidth = QGuiApplication::primaryScreen()->availableGeometry().width();
    const std::string glyph = testing::BmpBytes(Picture());
    const int keyWidth = screenWidth;  // two keys side by side: twice the screen's width
    const TestKey left{.name = "A",
                       .keyValue = 30,
                       .keyType = 1,
                       .x = 0,
                       .y = 0,
                       .width = keyWidth,
                       .height = 100,
                       .glyph = glyph};
    const TestKey right{.name = "B",
                        .keyValue = 48,
                        .keyType = 1,
                        .x = keyWidth,
                        .y = 0,
                        .width = keyWidth,
                        .height = 100,
                        .glyph = glyph};
    test::TempFolder folder;
    const std::string path = (folder / "wide.zqt").string();
    testing::WriteZip(path,
                      {{"key.cds", testing::KeyPacket({KeyTableRow(left), KeyTableRow(right)})},
                       {"char.cds", testing::CharPacket({CharTableRow('a', 30), CharTableRow('b', 48)})},
                       {"readme", "bkcolor=$00C000\n"}});
    TDataMod store;
    TVKeyboard keyboard(store);
    keyboard.LoadTemplate(path);

    ASSERT_LT(keyboard.KbFrame()->Scale(), 1);
    const int beside = screenWidth - keyboard.width();
    EXPECT_GE(beside, 2 * Hand::kClientWidth) << "room for a hands window on either side";
    EXPECT_LE(beside, 2 * Hand::kClientWidth + 60) << "no smaller than it needs to be";
    EXPECT_EQ(keyboard.height(), qCeil(keyboard.Keyboard().KbFrame().Height() * keyboard.KbFrame()->Scale()))
        << "the height shrinks with the width";
    const QImage image = keyboard.grab().toImage();
    EXPECT_EQ(image.width(), keyboard.width()) << "the whole keyboard is drawn";
    // Both keys' white faces are there, the second one near the right edge.
    const qreal scale = keyboard.KbFrame()->Scale();
    EXPECT_EQ(PixelAt(image, 2, 2), kWhite);
    EXPECT_EQ(PixelAt(image, qFloor((2 * keyWidth - 4) * scale), 2), kWhite);
    EXPECT_EQ(PixelAt(image, 2, image.height() - 2), qRgb(0, 0xC0, 0)) << "below the keys: the background";

    const ButtonType& b = *keyboard.Keyboard().KbFrame().Keys().at(1);
    const QPoint onB(keyboard.width() * 3 / 4, keyboard.height() / 2);
    QMouseEvent press(QEvent::MouseButtonPress, onB, keyboard.KbFrame()->mapToGlobal(onB), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(keyboard.KbFrame(), &press);
    EXPECT_TRUE(b.Down()) << "the click at three quarters of the width is on the second key";
}

TEST_F(KeyboardWindowTest, BlinkTimerRunsOnlyWhileShown) {
    EXPECT_FALSE(keyboard.BlinkTimerActive());
    keyboard.show();
    EXPECT_TRUE(keyboard.BlinkTimerActive());
    keyboard.hide();
    EXPECT_FALSE(keyboard.BlinkTimerActive());
}

TEST(GuidanceWindowsTest, NeitherWindowTakesTheFocus) {
    TDataMod store;
    GuidanceWindowSet windows(store);
    windows.Create(false);
    for (QWidget* window :
         std::initializer_list<QWidget*>{windows.Keyboard(), windows.LeftHand(), windows.RightHand()}) {
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));
        EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
        EXPECT_TRUE(window->testAttribute(Qt::WA_ShowWithoutActivating));
        EXPECT_EQ(window->focusPolicy(), Qt::NoFocus);
    }
    for (TPalmForm* palm : {windows.LeftHand(), windows.RightHand()}) {
        EXPECT_FALSE(palm->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_FALSE(palm->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    }
    EXPECT_TRUE(windows.Keyboard()->windowTitle().isEmpty());
}

// The title that the window manager shows for a window of this process on
// Qt's X11 platform.
std::string WindowManagerTitle(const QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    Display* display = x11->display();
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long left = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, window.internalWinId(), XInternAtom(display, "_NET_WM_NAME", False), 0, 1024,
                       False, AnyPropertyType, &type, &format, &count, &left, &data);
    std::string title(data ? reinterpret_cast<const char*>(data) : "", count);
    if (data) XFree(data);
    return title;
}

// Qt's X11 platform adds the application's name to a window's title, and
// puts it in an empty one; a guidance window's title stays its own.
TEST(GuidanceWindowsTest, WindowManagerShowsOnlyTheWindowsOwnTitle) {
    if (QGuiApplication::platformName() != "xcb") {
        const QString display = qEnvironmentVariable("ZQ_TEST_X_DISPLAY");
        if (display.isEmpty()) GTEST_SKIP() << "ZQ_TEST_X_DISPLAY names no X server";
        // This test again, in a process of its own on that server.
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("DISPLAY", display);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=GuidanceWindowsTest.WindowManagerShowsOnlyTheWindowsOwnTitle"});
        ASSERT_TRUE(child.waitForFinished(60000));
        const QString output = QString::fromUtf8(child.readAll());
        EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
        EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
        return;
    }
    QGuiApplication::setApplicationDisplayName("ZQ Typing Tutor");
    TDataMod store;
    GuidanceWindowSet windows(store);
    windows.Create(false);
    TPalmForm& palm = *windows.LeftHand();
    palm.show();
    TVKeyboard& keyboard = *windows.Keyboard();
    keyboard.show();
    EXPECT_EQ(WindowManagerTitle(palm), "Left");
    EXPECT_EQ(WindowManagerTitle(keyboard), "");
    palm.SetLeftHand(false);
    EXPECT_EQ(WindowManagerTitle(palm), "Right");
    palm.hide();
    palm.show();
    EXPECT_EQ(WindowManagerTitle(palm), "Right");
}

// What a screen reader finds: the keys as children of the keyboard window,
// named by their hints, with their fingers; the lit key selected and told.
TEST_F(KeyboardWindowTest, ScreenReadersFindTheKeysAndTheLitOne) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&keyboard);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(window->text(QAccessible::Name), "On-screen keyboard");
    ASSERT_EQ(window->childCount(), 2);
    QAccessibleInterface* letter = window->child(0);
    EXPECT_EQ(letter->role(), QAccessible::Button);
    EXPECT_EQ(letter->text(QAccessible::Name), "key A");
    EXPECT_EQ(letter->text(QAccessible::Description), "Left index finger");
    EXPECT_EQ(letter->rect().size(), QSize(40, 30));
    EXPECT_EQ(window->child(1)->text(QAccessible::Name), "key Home");
    EXPECT_FALSE(letter->state().selected);
    EXPECT_EQ(window->text(QAccessible::Description), "");

    keyboard.HighlightKey('a');
    EXPECT_TRUE(letter->state().selected);
    EXPECT_FALSE(window->child(1)->state().selected);
    EXPECT_EQ(window->text(QAccessible::Description), "Next key: key A, left index finger");
    // Blinking takes the highlight away and back; the key stays the lit one.
    keyboard.SetBlinkMode(true);
    keyboard.TimerofKBTimer();
    keyboard.TimerofKBTimer();
    EXPECT_TRUE(letter->state().selected);

    keyboard.HighlightKey(1);
    EXPECT_FALSE(letter->state().selected);
    EXPECT_TRUE(window->child(1)->state().selected);
    EXPECT_EQ(window->text(QAccessible::Description), "Next key: key Home, right index finger");
}

TEST_F(KeyboardWindowTest, AnotherTemplateBringsItsOwnKeysToScreenReaders) {
    QAccessibleInterface* window = QAccessible::queryAccessibleInterface(&keyboard);
    QAccessibleInterface* old = window->child(1);
    const TestKey only{.name = "Q", .keyValue = 16, .keyType = 1, .finger = 0};
    testing::WriteZip(path, {{"key.cds", testing::KeyPacket({KeyTableRow(only)})},
                             {"char.cds", testing::CharPacket({CharTableRow('q', 16)})},
                             {"readme", "bkcolor=$00C000\n"}});
    keyboard.LoadTemplate(path.string());
    ASSERT_EQ(window->childCount(), 1);
    EXPECT_FALSE(old->isValid());
    EXPECT_EQ(window->child(0)->text(QAccessible::Name), "key Q");
    EXPECT_EQ(window->child(0)->text(QAccessible::Description), "Left little finger");
}

class HandsWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        settings.Length = {50, 55, 60, 55, 30, 0, 0, 70, 0, 0};
        settings.Color = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF, 0, 0, 0xFF0000, 0, 0};
        palm.SetBlinkMode(false);
        palm.SetLeftHand(true);
        palm.BuildFingers(settings);
    }
    // The hand as the window shows it, below its caption strip.
    QImage Grab() { return palm.grab(palm.HandArea()).toImage(); }

    TDataMod store;
    FingerSettings settings;
    TPalmForm palm{store};
};

TEST_F(HandsWindowTest, BarsStandOnTheBaseLineInTheirColors) {
    EXPECT_EQ(palm.windowTitle(), "Left");
    const QImage image = Grab();
    ASSERT_EQ(image.size(), QSize(63, 94));
    // The little finger, 50 long and red: from y 84 up to y 34 at x 10.
    EXPECT_EQ(PixelAt(image, 10, 83), qRgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 10, 34), qRgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 10, 33), kBlack);
    EXPECT_EQ(PixelAt(image, 10, 84), kBlack);
    EXPECT_EQ(PixelAt(image, 7, 60), qRgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 12, 60), qRgb(255, 0, 0));
    EXPECT_EQ(PixelAt(image, 13, 60), kBlack);
    EXPECT_EQ(PixelAt(image, 46, 60), qRgb(255, 0, 255));  // the thumb, nearest the keyboard
}

TEST_F(HandsWindowTest, DotMarksThePointedFingerUntilCleared) {
    palm.PointFinger(1);
    EXPECT_TRUE(palm.BlinkTimerActive());
    QImage image = Grab();
    EXPECT_EQ(PixelAt(image, 10, 27), qRgb(255, 0, 0));  // 7 above the tip at 34
    EXPECT_EQ(PixelAt(image, 10, 31), kBlack);           // a gap between dot and tip

    palm.ClearFinger();
    EXPECT_FALSE(palm.BlinkTimerActive());
    image = Grab();
    for (int y = 22; y < 33; ++y) {
        for (int x = 5; x < 16; ++x) ASSERT_EQ(PixelAt(image, x, y), kBlack) << x << "," << y;
    }
    EXPECT_EQ(PixelAt(image, 10, 40), qRgb(255, 0, 0));  // the bar stays
}

TEST_F(HandsWindowTest, BlinkingFingerVanishesAndReturnsWhileTheOthersStay) {
    palm.SetBlinkMode(true);
    palm.BuildFingers(settings);
    palm.PointFinger(2);           // the ring finger, green, at x 19
    const int dotY = 84 - 55 - 7;  // 7 above the tip of the ring finger
    EXPECT_EQ(PixelAt(Grab(), 19, dotY), kBlack) << "no dot in blink mode";
    palm.TimerOfPalmTimer();
    QImage image = Grab();
    EXPECT_EQ(PixelAt(image, 19, 60), kBlack);
    EXPECT_EQ(PixelAt(image, 10, 60), qRgb(255, 0, 0));
    palm.TimerOfPalmTimer();
    EXPECT_EQ(PixelAt(Grab(), 19, 60), qRgb(0, 255, 0));
}

TEST_F(KeyboardWindowTest, BlinkingKeyIsPushedInAndReleasedByTheTimer) {
    keyboard.SetBlinkMode(true);
    keyboard.LoadTemplate(path.string());
    keyboard.HighlightKey('a');
    const QPoint white = InPicture(10, 2, 8);
    keyboard.TimerofKBTimer();  // pushed in, picture unchanged
    QImage image = Grab();
    EXPECT_EQ(PixelAt(image, 10, 25), qRgb(40, 40, 40));
    EXPECT_NE(PixelAt(image, white.x() + 1, white.y() + 1), kBlack);
    keyboard.TimerofKBTimer();  // released
    image = Grab();
    EXPECT_EQ(PixelAt(image, 10, 25), kWhite);
    EXPECT_EQ(PixelAt(image, white.x(), white.y()), kWhite);
}

TEST_F(HandsWindowTest, RightHandWithoutFingersIsNeverShown) {
    settings.Length[7] = 0;  // no right-hand finger has a length
    TPalmForm right(store);
    right.SetLeftHand(false);
    right.BuildFingers(settings);
    EXPECT_EQ(right.windowTitle(), "Right");
    EXPECT_EQ(right.HandArea().height(), 84);  // "LMiddle" 60 + 24
    right.ShowHands();
    EXPECT_FALSE(right.isVisible());
    palm.BuildFingers(settings);
    palm.ShowHands();
    EXPECT_TRUE(palm.isVisible());
}

// A window manager's title bar on a window a hand wide holds its buttons
// and no title: the window draws its own caption above the hand.
TEST_F(HandsWindowTest, ItsCaptionShowsTheWholeTitleAboveTheHandInEveryLanguageAndLook) {
    const auto* caption = palm.findChild<CaptionStrip*>();
    ASSERT_NE(caption, nullptr);
    EXPECT_TRUE(palm.windowFlags().testFlag(Qt::FramelessWindowHint)) << "no second title bar";
    EXPECT_EQ(palm.width(), 63);
    const auto checkTitles = [&] {
        EXPECT_LE(caption->geometry().bottom(), palm.HandArea().top());
        EXPECT_EQ(caption->width(), palm.width());
        for (const char* title : {"Left", "Right", "Gauche", "Droite", "Links", "Rechts"}) {
            palm.setWindowTitle(QString::fromUtf8(title));
            EXPECT_EQ(caption->ShownTitle().toStdString(), title);
        }
    };
    checkTitles();
    palm.SetLook(1.5, ContrastPalette{0x000000, 0xFFFFFF, 0x0000FF, 0x00FFFF, 0x000000});
    EXPECT_GT(caption->font().pointSizeF(), QApplication::font().pointSizeF()) << "large print";
    EXPECT_EQ(palm.HandArea().size(), QSize(95, 141)) << "the hand 1.5 times as large below the caption";
    checkTitles();
}

// The main window, which owns the hands windows, has a font of its own.
TEST(HandsWindowOfAnOwnerTest, IsMadeUnderAnOwnerWithItsOwnFont) {
    QWidget owner;
    QFont font = owner.font();
    font.setPointSize(font.pointSize() + 4);
    owner.setFont(font);
    TDataMod store;
    TPalmForm palm(store, &owner);
    palm.SetLeftHand(true);
    EXPECT_EQ(palm.findChild<CaptionStrip*>()->ShownTitle(), "Left");
    EXPECT_GT(palm.HandArea().top(), 0);
}

TEST_F(HandsWindowTest, ScreenReadersFindTheFiveFingersAndTheOnePointedAt) {
    QAccessibleInterface* hand = QAccessible::queryAccessibleInterface(&palm);
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(hand->role(), QAccessible::Window);
    EXPECT_EQ(hand->text(QAccessible::Name), "Left hand");
    ASSERT_EQ(hand->childCount(), 5);
    EXPECT_EQ(hand->child(0)->text(QAccessible::Name), "Left little finger");
    EXPECT_EQ(hand->child(4)->text(QAccessible::Name), "Left thumb");
    // The little finger's bar, 50 long at x 10 from the base line at 84, with room for the dot.
    const QRect little = hand->child(0)->rect().translated(-palm.mapToGlobal(palm.HandArea().topLeft()));
    EXPECT_TRUE(little.contains(QPoint(10, 83)));
    EXPECT_TRUE(little.contains(QPoint(10, 25)));
    EXPECT_FALSE(little.contains(QPoint(19, 60)));

    palm.PointFinger(4);
    EXPECT_TRUE(hand->child(3)->state().selected);
    EXPECT_EQ(hand->text(QAccessible::Description), "Finger to use: left index finger");
    palm.ClearFinger();
    EXPECT_FALSE(hand->child(3)->state().selected);
    EXPECT_EQ(hand->text(QAccessible::Description), "");

    palm.SetLeftHand(false);
    palm.BuildFingers(settings);
    EXPECT_EQ(hand->text(QAccessible::Name), "Right hand");
    EXPECT_EQ(hand->child(0)->text(QAccessible::Name), "Right little finger");
}

}  // namespace
}  // namespace zq
