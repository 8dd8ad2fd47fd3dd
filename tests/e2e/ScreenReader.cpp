#include "ScreenReader.h"

#include <atspi/atspi.h>

#include <cctype>
#include <cstdlib>
#include <regex>
#include <thread>

namespace zq::e2e {
namespace {

// A text the library hands over (or none, after an error), as a string.
std::string Taken(gchar* text, GError* error) {
    if (error != nullptr) g_error_free(error);
    if (text == nullptr) return {};
    std::string copy(text);
    g_free(text);
    return copy;
}

template <typename Object>
std::shared_ptr<Object> Owned(Object* object) {
    return {object, [](Object* adopted) {
                if (adopted != nullptr) g_object_unref(adopted);
            }};
}

bool HasState(AtspiAccessible* object, AtspiStateType state) {
    AtspiStateSet* states = atspi_accessible_get_state_set(object);
    if (states == nullptr) return false;
    const bool has = atspi_state_set_contains(states, state);
    g_object_unref(states);
    return has;
}

// The action's index, or -1.
int ActionIndex(AtspiAction* actions, const std::string& name) {
    const int count = atspi_action_get_n_actions(actions, nullptr);
    for (int i = 0; i < count; ++i) {
        if (Taken(atspi_action_get_action_name(actions, i, nullptr), nullptr) == name) return i;
    }
    return -1;
}

}  // namespace

std::optional<std::string> TestAccessibilityBus() {
    const char* bus = std::getenv("ZQ_TEST_ACCESSIBILITY_BUS");
    if (bus == nullptr || *bus == '\0') return std::nullopt;
    return std::string(bus);
}

// --- one object ----------------------------------------------------------------

AccessibleObject::AccessibleObject(AtspiAccessible* adopted) : handle_(Owned(adopted)) {}

std::string AccessibleObject::Role() const {
    GError* error = nullptr;
    return Taken(atspi_accessible_get_role_name(Handle(), &error), error);
}

std::string AccessibleObject::Name() const {
    GError* error = nullptr;
    return Taken(atspi_accessible_get_name(Handle(), &error), error);
}

std::string AccessibleObject::Description() const {
    GError* error = nullptr;
    return Taken(atspi_accessible_get_description(Handle(), &error), error);
}

std::string AccessibleObject::AnnouncedName() const {
    // A combo box's own name is the text it shows: readers say its label.
    const bool labelFirst = Role() == "combo box";
    std::string name = labelFirst ? std::string() : Name();
    if (!name.empty()) return name;
    GArray* relations = atspi_accessible_get_relation_set(Handle(), nullptr);
    if (relations == nullptr) return name;
    for (guint i = 0; i < relations->len; ++i) {
        AtspiRelation* relation = g_array_index(relations, AtspiRelation*, i);
        if (name.empty() && atspi_relation_get_relation_type(relation) == ATSPI_RELATION_LABELLED_BY &&
            atspi_relation_get_n_targets(relation) > 0) {
            name = AccessibleObject(atspi_relation_get_target(relation, 0)).Name();
        }
        g_object_unref(relation);
    }
    g_array_free(relations, TRUE);
    return name.empty() ? Name() : name;
}

bool AccessibleObject::Showing() const {
    return HasState(Handle(), ATSPI_STATE_SHOWING);
}

bool AccessibleObject::Focused() const {
    return HasState(Handle(), ATSPI_STATE_FOCUSED);
}

bool AccessibleObject::Selected() const {
    return HasState(Handle(), ATSPI_STATE_SELECTED);
}

bool AccessibleObject::Focusable() const {
    return HasState(Handle(), ATSPI_STATE_FOCUSABLE);
}

int AccessibleObject::ChildCount() const {
    const int count = atspi_accessible_get_child_count(Handle(), nullptr);
    return count > 0 ? count : 0;
}

AccessibleObject AccessibleObject::Child(int index) const {
    return AccessibleObject(atspi_accessible_get_child_at_index(Handle(), index, nullptr));
}

std::vector<AccessibleObject> AccessibleObject::Children() const {
    std::vector<AccessibleObject> children;
    const int count = ChildCount();
    for (int i = 0; i < count; ++i) {
        AccessibleObject child = Child(i);
        if (child.Handle() != nullptr) children.push_back(std::move(child));
    }
    return children;
}

std::optional<AccessibleObject> AccessibleObject::Parent() const {
    AtspiAccessible* parent = atspi_accessible_get_parent(Handle(), nullptr);
    if (parent == nullptr) return std::nullopt;
    return AccessibleObject(parent);
}

pid_t AccessibleObject::ProcessId() const {
    GError* error = nullptr;
    const guint pid = atspi_accessible_get_process_id(Handle(), &error);
    if (error != nullptr) {
        g_error_free(error);
        return -1;
    }
    return static_cast<pid_t>(pid);
}

std::optional<Extents> AccessibleObject::Place() const {
    const auto component = Owned(atspi_accessible_get_component_iface(Handle()));
    if (!component) return std::nullopt;
    GError* error = nullptr;
    AtspiRect* rect = atspi_component_get_extents(component.get(), ATSPI_COORD_TYPE_SCREEN, &error);
    if (error != nullptr) g_error_free(error);
    if (rect == nullptr) return std::nullopt;
    const Extents place{rect->x, rect->y, rect->width, rect->height};
    g_free(rect);
    return place;
}

std::string AccessibleObject::Text() const {
    const auto text = Owned(atspi_accessible_get_text_iface(Handle()));
    if (!text) return {};
    GError* error = nullptr;
    return Taken(atspi_text_get_text(text.get(), 0, -1, &error), error);
}

int AccessibleObject::CaretOffset() const {
    const auto text = Owned(atspi_accessible_get_text_iface(Handle()));
    return text ? atspi_text_get_caret_offset(text.get(), nullptr) : -1;
}

std::optional<double> AccessibleObject::Value() const {
    const auto value = Owned(atspi_accessible_get_value_iface(Handle()));
    if (!value) return std::nullopt;
    GError* error = nullptr;
    const double current = atspi_value_get_current_value(value.get(), &error);
    if (error != nullptr) {
        g_error_free(error);
        return std::nullopt;
    }
    return current;
}

std::vector<std::string> AccessibleObject::Actions() const {
    std::vector<std::string> names;
    const auto actions = Owned(atspi_accessible_get_action_iface(Handle()));
    if (!actions) return names;
    const int count = atspi_action_get_n_actions(actions.get(), nullptr);
    for (int i = 0; i < count; ++i)
        names.push_back(Taken(atspi_action_get_action_name(actions.get(), i, nullptr), nullptr));
    return names;
}

std::string AccessibleObject::KeyBinding(const std::string& action) const {
    const auto actions = Owned(atspi_accessible_get_action_iface(Handle()));
    if (!actions) return {};
    const int index = ActionIndex(actions.get(), action);
    return index < 0 ? std::string()
                     : Taken(atspi_action_get_key_binding(actions.get(), index, nullptr), nullptr);
}

bool AccessibleObject::DoAction(const std::string& action) const {
    const auto actions = Owned(atspi_accessible_get_action_iface(Handle()));
    if (!actions) return false;
    const int index = ActionIndex(actions.get(), action);
    return index >= 0 && atspi_action_do_action(actions.get(), index, nullptr);
}

std::optional<AccessibleObject> AccessibleObject::Find(
    const std::function<bool(const AccessibleObject&)>& matches) const {
    if (matches(*this)) return *this;
    for (const AccessibleObject& child : Children()) {
        if (std::optional<AccessibleObject> found = child.Find(matches)) return found;
    }
    return std::nullopt;
}

std::vector<AccessibleObject> AccessibleObject::FindAll(
    const std::function<bool(const AccessibleObject&)>& matches) const {
    std::vector<AccessibleObject> found;
    if (matches(*this)) found.push_back(*this);
    for (const AccessibleObject& child : Children()) {
        for (AccessibleObject& match : child.FindAll(matches)) found.push_back(std::move(match));
    }
    return found;
}

// --- the connection ---------------------------------------------------------------

ScreenReader::ScreenReader() {
    atspi_init();
    // A screen reader listens to what objects and windows tell; the program
    // sends only the kinds of event someone listens to.
    auto* listener = atspi_event_listener_new(&ScreenReader::Heard, this, nullptr);
    for (const char* kind : {"object:", "window:", "focus:"})
        atspi_event_listener_register(listener, kind, nullptr);
    listener_ = listener;
}

ScreenReader::~ScreenReader() {
    auto* listener = static_cast<AtspiEventListener*>(listener_);
    for (const char* kind : {"object:", "window:", "focus:"})
        atspi_event_listener_deregister(listener, kind, nullptr);
    g_object_unref(listener);
}

void ScreenReader::Heard(AtspiEvent* event, void* self) {
    HeardEvent heard;
    heard.type = event->type != nullptr ? event->type : "";
    heard.detail1 = event->detail1;
    if (event->source != nullptr) {
        g_object_ref(event->source);
        const AccessibleObject source(event->source);
        heard.sourceRole = source.Role();
        heard.sourceName = source.Name();
    }
    static_cast<ScreenReader*>(self)->events_.push_back(std::move(heard));
    g_boxed_free(ATSPI_TYPE_EVENT, event);
}

bool ScreenReader::WaitUntil(const std::function<bool()>& condition, milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (true) {
        while (g_main_context_iteration(nullptr, FALSE)) {
        }
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(milliseconds(10));
    }
}

void ScreenReader::Listen(milliseconds duration) {
    WaitUntil([] { return false; }, duration);
}

std::optional<AccessibleObject> ScreenReader::WaitForApplication(pid_t pid, milliseconds timeout) {
    std::optional<AccessibleObject> application;
    WaitUntil(
        [&] {
            const AccessibleObject desktop(atspi_get_desktop(0));
            for (const AccessibleObject& candidate : desktop.Children()) {
                if (candidate.ProcessId() == pid) application = candidate;
            }
            return application.has_value();
        },
        timeout);
    return application;
}

std::optional<AccessibleObject> ScreenReader::WaitForWindow(const AccessibleObject& application,
                                                            const std::string& namePattern,
                                                            milliseconds timeout) {
    const std::regex pattern(namePattern);
    std::optional<AccessibleObject> window;
    WaitUntil(
        [&] {
            for (const AccessibleObject& candidate : application.Children()) {
                if (candidate.Showing() && std::regex_search(candidate.Name(), pattern)) window = candidate;
            }
            return window.has_value();
        },
        timeout);
    return window;
}

std::optional<AccessibleObject> ScreenReader::WaitForFocused(const AccessibleObject& window,
                                                             const std::string& role, milliseconds timeout) {
    std::optional<AccessibleObject> focused;
    WaitUntil(
        [&] {
            focused = window.Find([&role](const AccessibleObject& object) {
                return object.Focused() && object.Role() == role;
            });
            return focused.has_value();
        },
        timeout);
    return focused;
}

std::optional<char> AltLetterOf(const AccessibleObject& button) {
    const std::string binding = button.KeyBinding("Press");
    std::smatch parts;
    if (!std::regex_search(binding, parts, std::regex(R"(Alt[>+]?\s*\+?\s*([A-Za-z]))", std::regex::icase)))
        return std::nullopt;
    return static_cast<char>(std::tolower(static_cast<unsigned char>(parts[1].str()[0])));
}

}  // namespace zq::e2e
