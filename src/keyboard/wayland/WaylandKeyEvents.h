#pragma once

#include <QObject>

class QKeyEvent;

namespace zq {

class KeyTyping;

// On Qt's Wayland platform, carries every key event of the application
// through the program's own reading of the keys (KeyTyping) before a window
// sees it: a press that types otherwise than the desktop says (a key read
// through the layout the program practises, a dead key composed) reaches the
// window as the key the program reads. The first key also gives the
// environment back that Qt's composing was switched off with.
class WaylandKeyEvents : public QObject {
public:
    // Watches the application's events from now on.
    explicit WaylandKeyEvents(KeyTyping& typing);
    ~WaylandKeyEvents() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // True when the press was delivered as another key in its place.
    bool DeliverPress(QObject* window, QKeyEvent& press);
    void ApplicationStateChanged(Qt::ApplicationState state);

    KeyTyping& typing_;
    bool delivering_ = false;
    bool sawFirstKey_ = false;
};

}  // namespace zq
