#include "profile/ColorList.h"

#include <algorithm>
#include <array>

#include "base/AsciiText.h"
#include "base/Translation.h"

namespace zq {
namespace {

struct NamedColor {
    const char* name;  // msgid, translated when the list is made
    TColor color;
};

using S = SystemColor;

// The order the boxes show. "Light Gray" and "Dark Gray" repeat "Silver" and
// "Gray": a stored value selects the first line of its colour.
constexpr std::array<NamedColor, 52> kNamedColors = {{
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
    {N_("ScrollBar"), ToColor(S::ScrollBar)},
    {N_("Background"), ToColor(S::Background)},
    {N_("Active Caption"), ToColor(S::ActiveCaption)},
    {N_("Inactive Caption"), ToColor(S::InactiveCaption)},
    {N_("Menu"), ToColor(S::Menu)},
    {N_("Window"), ToColor(S::Window)},
    {N_("Window Frame"), ToColor(S::WindowFrame)},
    {N_("Menu Text"), ToColor(S::MenuText)},
    {N_("Window Text"), ToColor(S::WindowText)},
    {N_("Caption Text"), ToColor(S::CaptionText)},
    {N_("Active Border"), ToColor(S::ActiveBorder)},
    {N_("Inactive Border"), ToColor(S::InactiveBorder)},
    {N_("Application Workspace"), ToColor(S::AppWorkspace)},
    {N_("Highlight"), ToColor(S::Highlight)},
    {N_("Highlight Text"), ToColor(S::HighlightText)},
    {N_("Button Face"), ToColor(S::ButtonFace)},
    {N_("Button Shadow"), ToColor(S::ButtonShadow)},
    {N_("Gray Text"), ToColor(S::GrayText)},
    {N_("Button Text"), ToColor(S::ButtonText)},
    {N_("Inactive Caption Text"), ToColor(S::InactiveCaptionText)},
    {N_("Button Highlight"), ToColor(S::ButtonHighlight)},
    {N_("3D Dark Shadow"), ToColor(S::DarkShadow3D)},
    {N_("3D Light"), ToColor(S::Light3D)},
    {N_("Info Text"), ToColor(S::InfoText)},
    {N_("Info Background"), ToColor(S::InfoBackground)},
    {N_("Hot Light"), ToColor(S::HotLight)},
    {N_("Gradient Active Caption"), ToColor(S::GradientActiveCaption)},
    {N_("Gradient Inactive Caption"), ToColor(S::GradientInactiveCaption)},
    {N_("Menu Highlight"), ToColor(S::MenuHighlight)},
    {N_("MenuBar"), ToColor(S::MenuBar)},
}};

}  // namespace

ColorList::ColorList(Chooser chooser) {
    for (const NamedColor& named : kNamedColors) entries_.push_back({Tr(named.name), named.color});
    entries_.push_back({Tr("None"), clNone});
    entries_.push_back({Tr("Default"), clDefault});
    if (chooser == Chooser::With) entries_.push_back({Tr("Custom..."), 0, true});
}

void ColorList::Select(TColor color) {
    const auto named = std::ranges::find_if(
        entries_, [color](const ColorEntry& entry) { return !entry.opensChooser && entry.color == color; });
    if (named != entries_.end()) {
        selected_ = static_cast<int>(named - entries_.begin());
        return;
    }
    int custom = CustomIndex();
    if (custom < 0) {
        // After "Default", before "Custom..." when the box has it.
        const auto place = entries_.back().opensChooser ? entries_.end() - 1 : entries_.end();
        custom = static_cast<int>(entries_.insert(place, {Tr("Custom"), color}) - entries_.begin());
    }
    entries_[static_cast<size_t>(custom)].color = color;
    selected_ = custom;
}

void ColorList::SelectIndex(int index) {
    if (index < 0 || index >= static_cast<int>(entries_.size()) || OpensChooser(index)) return;
    selected_ = index;
}

bool ColorList::OpensChooser(int index) const {
    return index >= 0 && index < static_cast<int>(entries_.size()) &&
           entries_[static_cast<size_t>(index)].opensChooser;
}

int ColorList::IndexOfName(std::string_view typedUtf8) const {
    const auto found = std::ranges::find_if(entries_, [typedUtf8](const ColorEntry& entry) {
        return EqualsIgnoringAsciiCase(entry.name, typedUtf8);
    });
    return found == entries_.end() ? -1 : static_cast<int>(found - entries_.begin());
}

int ColorList::CustomIndex() const {
    // The custom line is the only one past "Default" that is not the chooser.
    const size_t fixedCount = kNamedColors.size() + 2;
    for (size_t i = fixedCount; i < entries_.size(); ++i)
        if (!entries_[i].opensChooser) return static_cast<int>(i);
    return -1;
}

}  // namespace zq
