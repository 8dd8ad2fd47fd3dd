#include "profile/ColourList.h"

#include <algorithm>
#include <array>

#include "base/AsciiText.h"
#include "base/Translation.h"

namespace zq {
namespace {

struct NamedColour {
    const char* name;  // msgid, translated when the list is made
    TColor colour;
};

using S = SystemColour;

// The order the boxes show. "Light Gray" and "Dark Gray" repeat "Silver" and
// "Gray": a stored value selects the first line of its colour.
constexpr std::array<NamedColour, 52> kNamedColours = {{
    {N_("Black"), clBlack},
    {N_("Maroon"), clMaroon},
    {N_("Green"), clGreen},
    {N_("Olive"), clOlive},
    {N_("Navy"), clNavy},
    {N_("Purple"), clPurple},
    {N_("Teal"), clTeal},
    {N_("Gray"), clGray},
    {N_("Silver"), clSilver},
    {N_("Red"), clRed},
    {N_("Lime"), clLime},
    {N_("Yellow"), clYellow},
    {N_("Blue"), clBlue},
    {N_("Fuchsia"), clFuchsia},
    {N_("Aqua"), clAqua},
    {N_("Light Gray"), clSilver},
    {N_("Dark Gray"), clGray},
    {N_("White"), clWhite},
    {N_("Money Green"), Rgb(192, 220, 192)},
    {N_("Sky Blue"), Rgb(166, 202, 240)},
    {N_("Cream"), Rgb(255, 251, 240)},
    {N_("Medium Gray"), Rgb(160, 160, 164)},
    {N_("ScrollBar"), ToColour(S::ScrollBar)},
    {N_("Background"), ToColour(S::Background)},
    {N_("Active Caption"), ToColour(S::ActiveCaption)},
    {N_("Inactive Caption"), ToColour(S::InactiveCaption)},
    {N_("Menu"), ToColour(S::Menu)},
    {N_("Window"), ToColour(S::Window)},
    {N_("Window Frame"), ToColour(S::WindowFrame)},
    {N_("Menu Text"), ToColour(S::MenuText)},
    {N_("Window Text"), ToColour(S::WindowText)},
    {N_("Caption Text"), ToColour(S::CaptionText)},
    {N_("Active Border"), ToColour(S::ActiveBorder)},
    {N_("Inactive Border"), ToColour(S::InactiveBorder)},
    {N_("Application Workspace"), ToColour(S::AppWorkspace)},
    {N_("Highlight"), ToColour(S::Highlight)},
    {N_("Highlight Text"), ToColour(S::HighlightText)},
    {N_("Button Face"), ToColour(S::ButtonFace)},
    {N_("Button Shadow"), ToColour(S::ButtonShadow)},
    {N_("Gray Text"), ToColour(S::GrayText)},
    {N_("Button Text"), ToColour(S::ButtonText)},
    {N_("Inactive Caption Text"), ToColour(S::InactiveCaptionText)},
    {N_("Button Highlight"), ToColour(S::ButtonHighlight)},
    {N_("3D Dark Shadow"), ToColour(S::DarkShadow3D)},
    {N_("3D Light"), ToColour(S::Light3D)},
    {N_("Info Text"), ToColour(S::InfoText)},
    {N_("Info Background"), ToColour(S::InfoBackground)},
    {N_("Hot Light"), ToColour(S::HotLight)},
    {N_("Gradient Active Caption"), ToColour(S::GradientActiveCaption)},
    {N_("Gradient Inactive Caption"), ToColour(S::GradientInactiveCaption)},
    {N_("Menu Highlight"), ToColour(S::MenuHighlight)},
    {N_("MenuBar"), ToColour(S::MenuBar)},
}};

}  // namespace

ColourList::ColourList(Chooser chooser) {
    for (const NamedColour& named : kNamedColours) entries_.push_back({Tr(named.name), named.colour});
    entries_.push_back({Tr("None"), clNone});
    entries_.push_back({Tr("Default"), clDefault});
    if (chooser == Chooser::With) entries_.push_back({Tr("Custom..."), 0, true});
}

void ColourList::Select(TColor colour) {
    const auto named = std::ranges::find_if(entries_, [colour](const ColourEntry& entry) {
        return !entry.opensChooser && entry.colour == colour;
    });
    if (named != entries_.end()) {
        selected_ = static_cast<int>(named - entries_.begin());
        return;
    }
    int custom = CustomIndex();
    if (custom < 0) {
        // After "Default", before "Custom..." when the box has it.
        const auto place = entries_.back().opensChooser ? entries_.end() - 1 : entries_.end();
        custom = static_cast<int>(entries_.insert(place, {Tr("Custom"), colour}) - entries_.begin());
    }
    entries_[static_cast<size_t>(custom)].colour = colour;
    selected_ = custom;
}

void ColourList::SelectIndex(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) || OpensChooser(index)) return;
    selected_ = index;
}

bool ColourList::OpensChooser(int index) const {
    return index >= 0 && index < static_cast<int>(entries_.size()) &&
           entries_[static_cast<size_t>(index)].opensChooser;
}

int ColourList::IndexOfName(std::string_view typedUtf8) const {
    const auto found = std::ranges::find_if(entries_, [typedUtf8](const ColourEntry& entry) {
        return EqualsIgnoringAsciiCase(entry.name, typedUtf8);
    });
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

int ColourList::CustomIndex() const {
    // The custom line is the only one past "Default" that is not the chooser.
    const size_t fixedCount = kNamedColours.size() + 2;
    for (size_t i = fixedCount; i < entries_.size(); ++i)
        if (!entries_[i].opensChooser) return static_cast<int>(i);
    return -1;
}

}  // namespace zq
