#pragma once

#include <QComboBox>
#include <vector>

#include "profile/ColorList.h"

namespace zq {

// A drop-down list of colours: a swatch and a name per line, as a ColorList
// gives them. Theme colours show the desktop palette's colour. When editable,
// typing completes a colour name and Enter (or leaving the box) picks it.
class ColorComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit ColorComboBox(QWidget* parent = nullptr);

    // Typing a colour name picks the colour (the box becomes editable).
    void AllowTyping();
    // Shows the list's lines and its selection.
    void ShowColors(const ColorList& colors);

signals:
    // The user picked the line at `index`, from the list or by its name.
    void ColorPicked(int index);

private:
    void PickTypedName();
    QIcon Swatch(const ColorEntry& entry) const;

    std::vector<ColorEntry> shown_;
};

}  // namespace zq
