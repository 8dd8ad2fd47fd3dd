#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/Color.h"

namespace zq {

// One line of a colour box: a translated name (UTF-8) and the stored colour
// value it stands for.
struct ColorEntry {
    std::string name;
    TColor color = 0;
    // The last line of a box that offers the colour chooser ("Custom...");
    // its colour means nothing.
    bool opensChooser = false;

    bool operator==(const ColorEntry&) const = default;
};

// The colours a colour box of the profile dialog offers, and which one is
// selected: the named colours, the desktop theme colours, "None" and
// "Default", in a fixed order. A colour given to the list that it does not
// hold joins it as "Custom", so that any stored value comes back unchanged.
class ColorList {
public:
    enum class Chooser { Without, With };

    explicit ColorList(Chooser chooser = Chooser::Without);

    const std::vector<ColorEntry>& Entries() const { return entries_; }

    // Selects the first entry of that colour. A colour the list lacks takes
    // the "Custom" entry (added before "Custom..." the first time).
    void Select(TColor color);
    // Selects the entry at `index`; nothing happens outside the list or for
    // the chooser entry, which stands for no colour.
    void SelectIndex(int index);

    int SelectedIndex() const { return selected_; }
    TColor SelectedColor() const { return entries_[static_cast<size_t>(selected_)].color; }

    bool OpensChooser(int index) const;
    // The entry whose name is the typed text, without regard to ASCII case;
    // -1 when there is none.
    int IndexOfName(std::string_view typedUtf8) const;

private:
    int CustomIndex() const;

    std::vector<ColorEntry> entries_;
    int selected_ = 0;
};

}  // namespace zq
