#include "keyboard/x11/X11LayoutBackend.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XKBrules.h>

#include <cstdlib>

namespace zq {
namespace {

// Rules names of a server that publishes none (the X server's own defaults).
constexpr const char* kDefaultRules = "evdev";
constexpr const char* kDefaultModel = "pc105";

std::string TakeString(char* text) {
    std::string result = text != nullptr ? text : "";
    std::free(text);
    return result;
}

std::string XkbRulesFolder() {
    const char* root = std::getenv("XKB_CONFIG_ROOT");
    return std::string(root != nullptr && *root != '\0' ? root : "/usr/share/X11/xkb") + "/rules/";
}

char* CharsOrNull(std::string& text) {
    return text.empty() ? nullptr : text.data();
}

// Xlib ends the process on an X error unless a handler says otherwise; a
// request of the backend that the server refuses must only fail.
class XErrorTrap {
public:
    explicit XErrorTrap(Display* display) : display_(display) {
        XSync(display_, False);
        failed_ = false;
        previous_ = XSetErrorHandler(Record);
    }
    ~XErrorTrap() {
        XSync(display_, False);
        XSetErrorHandler(previous_);
    }
    XErrorTrap(const XErrorTrap&) = delete;
    XErrorTrap& operator=(const XErrorTrap&) = delete;

    bool Failed() {
        XSync(display_, False);
        return failed_;
    }

private:
    static int Record(Display*, XErrorEvent*) {
        failed_ = true;
        return 0;
    }

    static inline bool failed_ = false;
    Display* display_;
    int (*previous_)(Display*, XErrorEvent*) = nullptr;
};

}  // namespace

std::unique_ptr<X11LayoutBackend> X11LayoutBackend::Connect(const char* displayName,
                                                            LocaleTextSource localeTexts) {
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    int reason = 0;
    Display* display = XkbOpenDisplay(displayName, nullptr, nullptr, &major, &minor, &reason);
    if (display == nullptr) return nullptr;
    return std::unique_ptr<X11LayoutBackend>(new X11LayoutBackend(display, std::move(localeTexts)));
}

X11LayoutBackend::X11LayoutBackend(Display* display, LocaleTextSource localeTexts)
    : XkbLayoutBackend(std::move(localeTexts)), display_(display), desktop_(ReadServerLayouts()) {
    applicationWatch_ = FollowApplicationState(*this);
}

X11LayoutBackend::~X11LayoutBackend() {
    applicationWatch_.reset();
    RestoreDesktopLayouts();
    XCloseDisplay(display_);
}

void X11LayoutBackend::ProgramEnding() {
    ending_ = true;
    RestoreDesktopLayouts();
}

X11LayoutBackend::ServerLayouts X11LayoutBackend::ReadServerLayouts() const {
    ServerLayouts layouts{kDefaultRules, kDefaultModel, "", {{"us", ""}}, 0};
    char* rulesFile = nullptr;
    XkbRF_VarDefsRec names{};
    if (XkbRF_GetNamesProp(display_, &rulesFile, &names)) {
        const std::string rules = TakeString(rulesFile);
        const std::string model = TakeString(names.model);
        const std::string layoutList = TakeString(names.layout);
        const std::string variantList = TakeString(names.variant);
        layouts.options = TakeString(names.options);
        if (!rules.empty()) layouts.rules = rules;
        if (!model.empty()) layouts.model = model;
        std::vector<XkbLayoutName> groups = SplitXkbGroups(layoutList, variantList);
        if (!groups.empty()) layouts.groups = std::move(groups);
    }
    XkbStateRec state{};
    if (XkbGetState(display_, XkbUseCoreKbd, &state) == Success) layouts.lockedGroup = state.locked_group;
    return layouts;
}

std::vector<std::uint32_t> X11LayoutBackend::LoadedLayouts() {
    return HandlesOfGroups(ReadServerLayouts().groups);
}

std::uint32_t X11LayoutBackend::ActiveLayout() {
    const ServerLayouts server = ReadServerLayouts();
    XkbStateRec state{};
    if (XkbGetState(display_, XkbUseCoreKbd, &state) != Success || state.group >= server.groups.size())
        return 0;
    return HandleOfGroup(server.groups[state.group]);
}

bool X11LayoutBackend::Activate(std::uint32_t identifier) {
    const LayoutTableEntry* entry = InstalledEntry(identifier);
    if (entry == nullptr) return false;
    return ActivateXkbLayout({std::string(entry->xkbLayout), std::string(entry->xkbVariant)});
}

bool X11LayoutBackend::ActivateXkbLayout(const XkbLayoutName& name) {
    if (!Installed(name)) return false;
    // The server holds the desktop's own layouts unless the program's are
    // shown; those are what must come back later.
    if (!programLayoutShown_) desktop_ = ReadServerLayouts();
    if (ShowLayout(name)) {
        programLayout_ = name;
        return true;
    }
    // A failed attempt leaves the server as it was before.
    RestoreDesktopLayouts();
    if (programLayout_) ShowLayout(*programLayout_);
    return false;
}

bool X11LayoutBackend::ShowLayout(const XkbLayoutName& wanted) {
    // Built on the desktop's groups, so that the program adds one group at most.
    const XkbGroupChoice choice = GroupsWithLayout(desktop_.groups, wanted);
    ServerLayouts target = desktop_;
    target.groups = choice.groups;
    target.lockedGroup = static_cast<unsigned>(choice.index);
    programLayoutShown_ = true;  // from here on the server may differ from the desktop
    return ApplyServerLayouts(target);
}

void X11LayoutBackend::RestoreDesktopLayouts() {
    if (!programLayoutShown_) return;
    ApplyServerLayouts(desktop_);
    programLayoutShown_ = false;
}

void X11LayoutBackend::ReapplyProgramLayout() {
    if (!programLayout_ || programLayoutShown_ || ending_) return;
    desktop_ = ReadServerLayouts();  // the user may have changed them meanwhile
    ShowLayout(*programLayout_);
}

bool X11LayoutBackend::ApplyServerLayouts(const ServerLayouts& wanted) {
    const ServerLayouts current = ReadServerLayouts();
    const bool sameKeymap = current.groups == wanted.groups && current.rules == wanted.rules &&
                            current.model == wanted.model && current.options == wanted.options;
    XErrorTrap errors(display_);
    if (!sameKeymap && !LoadKeymap(wanted)) return false;
    XkbLockGroup(display_, XkbUseCoreKbd, wanted.lockedGroup);
    if (errors.Failed()) return false;

    const ServerLayouts now = ReadServerLayouts();
    XkbStateRec state{};
    return XkbGetState(display_, XkbUseCoreKbd, &state) == Success && now.groups == wanted.groups &&
           state.group == wanted.lockedGroup;
}

// Builds the keymap of the rules names from the rules file, has the server
// load it, and publishes the new names, as the XKB tools do.
bool X11LayoutBackend::LoadKeymap(const ServerLayouts& wanted) {
    std::string rulesPath = XkbRulesFolder() + wanted.rules;
    XkbRF_RulesPtr rules = XkbRF_Create(0, 0);
    if (rules == nullptr) return false;
    // The library reads the rules file itself (no localized variant).
    const bool rulesRead = XkbRF_LoadRulesByName(rulesPath.data(), nullptr, rules);

    std::string rulesName = wanted.rules;
    std::string model = wanted.model;
    std::string layouts = JoinXkbLayouts(wanted.groups);
    std::string variants = JoinXkbVariants(wanted.groups);
    std::string options = wanted.options;
    XkbRF_VarDefsRec names{};
    names.model = CharsOrNull(model);
    names.layout = CharsOrNull(layouts);
    names.variant = CharsOrNull(variants);
    names.options = CharsOrNull(options);

    XkbComponentNamesRec components{};
    bool loaded = rulesRead && XkbRF_GetComponents(rules, &names, &components);
    if (loaded) {
        XkbDescPtr keymap =
            XkbGetKeyboardByName(display_, XkbUseCoreKbd, &components, XkbGBN_AllComponentsMask,
                                 XkbGBN_AllComponentsMask & ~XkbGBN_GeometryMask, True);
        loaded = keymap != nullptr;
        if (keymap != nullptr) XkbFreeKeyboard(keymap, XkbAllComponentsMask, True);
    }
    for (char* part : {components.keymap, components.keycodes, components.types, components.compat,
                       components.symbols, components.geometry}) {
        std::free(part);
    }
    XkbRF_Free(rules, True);
    if (loaded) XkbRF_SetNamesProp(display_, rulesName.data(), &names);
    return loaded;
}

}  // namespace zq
