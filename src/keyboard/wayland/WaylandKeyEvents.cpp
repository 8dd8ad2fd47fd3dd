#include "keyboard/wayland/WaylandKeyEvents.h"

#include <xkbcommon/xkbcommon.h>

#include <QGuiApplication>
#include <QKeyEvent>

#include "keyboard/KeyTyping.h"
#include "keyboard/wayland/WaylandCompose.h"

namespace zq {
namespace {

// The modifier bits of the desktop's keyboard state that every XKB keymap
// shares (Qt passes the state as the native modifiers on Wayland).
constexpr quint32 kLockBit = 0x2;
constexpr quint32 kNumLockBit = 0x10;

// Qt's key code of a keysym the program reads in place of the desktop's:
// a character's key is its capital, as Qt names letter keys; a dead key or
// AltGr by Qt's names of them; other keys keep the desktop's code.
int QtKeyOf(std::uint32_t keysym, int desktopKey) {
    if (keysym >= XKB_KEY_dead_grave && keysym <= XKB_KEY_dead_longsolidusoverlay) {
        return Qt::Key_Dead_Grave + static_cast<int>(keysym - XKB_KEY_dead_grave);
    }
    if (keysym == XKB_KEY_ISO_Level3_Shift) return Qt::Key_AltGr;
    const char32_t character = xkb_keysym_to_utf32(keysym);
    if (character > 0x20 && character != 0x7F) return static_cast<int>(QChar::toUpper(character));
    return desktopKey;
}

KeyTyping::DesktopKey DesktopKeyOf(const QKeyEvent& event) {
    const QList<uint> text = event.text().toUcs4();
    return {.keycode = event.nativeScanCode(),
            .keysym = event.nativeVirtualKey(),
            .text = std::u32string(text.begin(), text.end()),
            .repeat = event.isAutoRepeat(),
            .capsLock = (event.nativeModifiers() & kLockBit) != 0,
            .numLock = (event.nativeModifiers() & kNumLockBit) != 0};
}

}  // namespace

WaylandKeyEvents::WaylandKeyEvents(KeyTyping& typing) : typing_(typing) {
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            &WaylandKeyEvents::ApplicationStateChanged);
}

WaylandKeyEvents::~WaylandKeyEvents() = default;

// Keys come to a window first, which hands them to its focus widget; they
// are read once, on their way to the window.
bool WaylandKeyEvents::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (delivering_ || (type != QEvent::KeyPress && type != QEvent::KeyRelease) || !watched->isWindowType()) {
        return false;
    }
    if (!sawFirstKey_) {
        sawFirstKey_ = true;
        RestoreComposeEnvironment();  // Qt has read it by now
    }
    auto& key = static_cast<QKeyEvent&>(*event);
    if (type == QEvent::KeyRelease) {
        typing_.Release(key.nativeScanCode(), key.isAutoRepeat());
        return false;
    }
    return DeliverPress(watched, key);
}

bool WaylandKeyEvents::DeliverPress(QObject* window, QKeyEvent& press) {
    const KeyTyping::DesktopKey desktop = DesktopKeyOf(press);
    const KeyTyping::Typed typed = typing_.Press(desktop);
    if (typed.keysym == desktop.keysym && typed.text == desktop.text) return false;

    QKeyEvent replacement(QEvent::KeyPress, QtKeyOf(typed.keysym, press.key()), press.modifiers(),
                          press.nativeScanCode(), typed.keysym, press.nativeModifiers(),
                          QString::fromUcs4(typed.text.data(), static_cast<qsizetype>(typed.text.size())),
                          press.isAutoRepeat(), press.count());
    delivering_ = true;
    QCoreApplication::sendEvent(window, &replacement);
    delivering_ = false;
    press.setAccepted(replacement.isAccepted());
    return true;
}

// Keys held and a dead key pressed while the program had the keyboard mean
// nothing once it has lost it.
void WaylandKeyEvents::ApplicationStateChanged(Qt::ApplicationState state) {
    if (state != Qt::ApplicationActive) typing_.Reset();
}

}  // namespace zq
