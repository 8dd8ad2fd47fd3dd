#include "profile/ColourList.h"

#include <algorithm>
#include <array>

#include "base/AsciiText.h"
#include "base/Translation.h"

namespace zq {
namespace {

struct NamedColour {
    const char* name;  // msgid
    TColor colour;
};

using S = SystemColour;

// The order the boxes show. "Light Gray" and "Dark Gray" repeat "Silver" and
// "Gray": a stored value selects the first line of its colour.
constexpr std::array<NamedColour, 52> kNamedColours = {{
    {"Black", clBlack},
    {"Maroon", clMaroon},
    {"Green", clGreen},
    {"Olive", clOlive},
    {"Navy", clNavy},
    {"Purple", clPurple},
    {"Teal", clTeal},
    {"Gray", clGray},
    {"Silver", clSilver},
    {"Red", clRed},
    {"Lime", clLime},
    {"Yellow", clYellow},
    {"Blue", clBlue},
    {"Fuchsia", clFuchsia},
    {"Aqua", clAqua},
    {"Light Gray", clSilver},
    {"Dark Gray", clGray},
    {"White", clWhite},
    {"Money Green", Rgb(192, 220, 192)},
    {"Sky Blue", Rgb(166, 202, 240)},
    {"Cream", Rgb(255, 251, 240)},
    {"Medium Gray", Rgb(160, 160, 164)},
    {"ScrollBar", ToColour(S::ScrollBar)},
    {"Background", ToColour(S::Background)},
    {"Active Caption", ToColour(S::ActiveCaption)},
    {"Inactive Caption", ToColour(S::InactiveCaption)},
    {"Menu", ToColour(S::Menu)},
    {"Window", ToColour(S::Window)},
    {"Window Frame", ToColour(S::WindowFrame)},
    {"Menu Text", ToColour(S::MenuText)},
    {"Window Text", ToColour(S::WindowText)},
    {"Caption Text", ToColour(S::CaptionText)},
    {"Active Border", ToColour(S::ActiveBorder)},
    {"Inactive Border", ToColour(S::InactiveBorder)},
    {"Application Workspace", ToColour(S::AppWorkspace)},
    {"Highlight", ToColour(S::Highlight)},
    {"Highlight Text", ToColour(S::HighlightText)},
    {"Button Face", ToColour(S::ButtonFace)},
    {"Button Shadow", ToColour(S::ButtonShadow)},
    {"Gray Text", ToColour(S::GrayText)},
    {"Button Text", ToColour(S::ButtonText)},
    {"Inactive Caption Text", ToColour(S::InactiveCaptionText)},
    {"Button Highlight", ToColour(S::ButtonHighlight)},
    {"3D Dark Shadow", ToColour(S::DarkShadow3D)},
    {"3D Light", ToColour(S::Light3D)},
    {"Info Text", ToColour(S::InfoText)},
    {"Info Background", ToColour(S::InfoBackground)},
    {"Hot Light", ToColour(S::HotLight)},
    {"Gradient Active Caption", ToColour(S::GradientActiveCaption)},
    {"Gradient Inactive Caption", ToColour(S::GradientInactiveCaption)},
    {"Menu Highlight", ToColour(S::MenuHighlight)},
    {"MenuBar", ToColour(S::MenuBar)},
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
