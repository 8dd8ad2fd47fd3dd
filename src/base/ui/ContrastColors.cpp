#include "base/ui/ContrastColors.h"

#include <QPalette>
#include <QWidget>

#include "base/ui/Colors.h"

namespace zq {

void PaintInContrast(QWidget& part, const ContrastPalette& palette) {
    const QColor background = ToQColor(palette.background);
    const QColor text = ToQColor(palette.text);
    QPalette colors = part.palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colors.setColor(group, QPalette::Base, background);
        colors.setColor(group, QPalette::Window, background);
        colors.setColor(group, QPalette::Text, text);
        colors.setColor(group, QPalette::WindowText, text);
        colors.setColor(group, QPalette::Highlight, ToQColor(palette.highlightBackground));
        colors.setColor(group, QPalette::HighlightedText, ToQColor(palette.highlightText));
    }
    part.setPalette(colors);
}

}  // namespace zq
