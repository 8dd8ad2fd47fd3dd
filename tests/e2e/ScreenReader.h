#pragma once

// What a screen reader reads of the program: its accessible objects on the
// private accessibility bus of ./test, through the same library (libatspi)
// and its cache, as Orca reads them, and the events the program sends there.

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

typedef struct _AtspiAccessible AtspiAccessible;
typedef struct _AtspiEvent AtspiEvent;

namespace zq::e2e {

using std::chrono::milliseconds;

// Where an object lies on the screen, in pixels.
struct Extents {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// The accessibility bus of ./test (the address of its private session bus),
// or nothing when the tests run without one.
std::optional<std::string> TestAccessibilityBus();

// One object of an accessible tree. Its name, role and states come from the
// library's cache, which the events keep up to date, as a screen reader's.
class AccessibleObject {
public:
    explicit AccessibleObject(AtspiAccessible* adopted);

    std::string Role() const;  // as AT-SPI names it: "push button", "check box", ...
    std::string Name() const;
    std::string Description() const;
    // The name a screen reader announces: the object's own name, or when it
    // has none the name of the label that labels it; for a combo box, whose
    // own name is the text it shows, its label first.
    std::string AnnouncedName() const;
    bool Showing() const;
    bool Focused() const;
    bool Selected() const;
    bool Focusable() const;

    int ChildCount() const;
    AccessibleObject Child(int index) const;
    std::vector<AccessibleObject> Children() const;
    std::optional<AccessibleObject> Parent() const;
    pid_t ProcessId() const;
    std::optional<Extents> Place() const;

    // The text of a text object, and where its caret is; empty and -1
    // for others.
    std::string Text() const;
    int CaretOffset() const;
    // The current value of a bar or a number box.
    std::optional<double> Value() const;
    // The names of its actions ("Press", "SetFocus", ...) and the key that
    // does each, as the program tells it ("<Alt>c"), empty for none.
    std::vector<std::string> Actions() const;
    std::string KeyBinding(const std::string& action) const;
    bool DoAction(const std::string& action) const;

    // Depth first, this object included: the first that matches, or the
    // objects that match.
    std::optional<AccessibleObject> Find(const std::function<bool(const AccessibleObject&)>& matches) const;
    std::vector<AccessibleObject> FindAll(const std::function<bool(const AccessibleObject&)>& matches) const;

    bool SameAs(const AccessibleObject& other) const { return handle_.get() == other.handle_.get(); }
    AtspiAccessible* Handle() const { return handle_.get(); }

private:
    std::shared_ptr<AtspiAccessible> handle_;
};

// An event the program sent: "object:state-changed:selected" with its
// first detail, from an object of a role and a name (read when it came).
struct HeardEvent {
    std::string type;
    int detail1 = 0;
    std::string sourceRole;
    std::string sourceName;
};

// The letter of the Alt key that presses a button, as its "Press" key
// binding tells it ("<Alt>c", "Alt+C"), in lower case; nothing when the
// button tells none.
std::optional<char> AltLetterOf(const AccessibleObject& button);

// The connection of a screen reader to the accessibility bus. One per test
// process; events are taken in while one of its Wait methods runs.
class ScreenReader {
public:
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // The program of a process, once it has appeared on the bus.
    std::optional<AccessibleObject> WaitForApplication(pid_t pid, milliseconds timeout);
    // A showing top-level window of an application whose name (its title)
    // matches the regular expression, once there is one.
    std::optional<AccessibleObject> WaitForWindow(const AccessibleObject& application,
                                                  const std::string& namePattern, milliseconds timeout);
    // Takes in events until the condition holds or the time is up; whether
    // it holds.
    bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout);
    // Takes in events for a while.
    void Listen(milliseconds duration);
    // The focused control of a window with the role ("text", "push button",
    // ...), once there is one.
    std::optional<AccessibleObject> WaitForFocused(const AccessibleObject& window, const std::string& role,
                                                   milliseconds timeout);

    // Every event heard since the last call of ForgetEvents.
    const std::vector<HeardEvent>& Events() const { return events_; }
    void ForgetEvents() { events_.clear(); }

private:
    static void Heard(AtspiEvent* event, void* self);

    void* listener_ = nullptr;
    std::vector<HeardEvent> events_;
};

}  // namespace zq::e2e
