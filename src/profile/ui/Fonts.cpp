#include "profile/ui/Fonts.h"

#include <cmath>

#include "base/CodePage.h"

namespace zq {

QFont ToQFont(const TFontRecord& record) {
    QFont font(QString::fromStdString(ToUtf8(record.Name)));
    // A size that is not positive would make Qt complain and pick its own.
    font.setPointSize(record.Size > 0 ? record.Size : TFontRecord::kDefaultSize);
    font.setBold(record.Bold);
    font.setItalic(record.Italic);
    font.setUnderline(record.Underline);
    font.setStrikeOut(record.StrikeOut);
    return font;
}

TFontRecord FromQFont(const QFont& font, TColor color) {
    TFontRecord record;
    record.Name = FromUtf8(font.family().toStdString());
    const double points = font.pointSizeF();
    record.Size = points > 0 ? static_cast<std::int32_t>(std::lround(points)) : TFontRecord::kDefaultSize;
    record.Color = color;
    record.Bold = font.bold();
    record.Italic = font.italic();
    record.Underline = font.underline();
    record.StrikeOut = font.strikeOut();
    return record;
}

}  // namespace zq
