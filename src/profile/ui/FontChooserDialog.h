#pragma once

#include <QDialog>
#include <optional>

#include "profile/ColorList.h"
#include "profile/TFontRecord.h"

class QFontDialog;

namespace zq {

class ColorComboBox;

// The font chooser of the profile dialog: family, style, size, underline and
// strike-out as the desktop's font dialog offers them, and the colour of the
// text, which a font of the profile carries too.
class FontChooserDialog : public QDialog {
    Q_OBJECT

public:
    explicit FontChooserDialog(QWidget* parent = nullptr);

    void SetChosenFont(const TFontRecord& font);
    TFontRecord ChosenFont() const;

    // Opens the chooser on `initial`; the chosen font, or nothing on Cancel.
    static std::optional<TFontRecord> Choose(QWidget* parent, const TFontRecord& initial);

    QFontDialog* FontPart = nullptr;
    ColorComboBox* ColorBox = nullptr;

private:
    void ColorPicked(int index);

    ColorList colors_{ColorList::Chooser::With};
};

}  // namespace zq
