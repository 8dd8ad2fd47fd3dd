#include "profile/ui/FontChooserDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/Translation.h"
#include "base/ui/Colours.h"
#include "profile/ui/ColourComboBox.h"
#include "profile/ui/Fonts.h"

namespace zq {

FontChooserDialog::FontChooserDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(Tr("Font")));

    // The font dialog serves as a part of this one, without its own buttons.
    FontPart = new QFontDialog(this);
    FontPart->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    FontPart->setWindowFlags(Qt::Widget);

    auto* colourLabel = new QLabel(QString::fromUtf8(Tr("Colo&r:")), this);
    ColourBox = new ColourComboBox(this);
    colourLabel->setBuddy(ColourBox);
    connect(ColourBox, &ColourComboBox::ColourPicked, this, &FontChooserDialog::ColourPicked);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(colourLabel);
    colourRow->addWidget(ColourBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FontPart);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);
}

void FontChooserDialog::SetChosenFont(const TFontRecord& font) {
    FontPart->setCurrentFont(ToQFont(font));
    colours_.Select(font.Color);
    ColourBox->ShowColours(colours_);
}

TFontRecord FontChooserDialog::ChosenFont() const {
    return FromQFont(FontPart->currentFont(), colours_.SelectedColour());
}

void FontChooserDialog::ColourPicked(int index) {
    if (colours_.OpensChooser(index)) {
        const QColor chosen = QColorDialog::getColor(ToQColor(colours_.SelectedColour()), this);
        if (chosen.isValid()) colours_.Select(FromQColor(chosen));
    } else {
        colours_.SelectIndex(index);
    }
    ColourBox->ShowColours(colours_);
}

std::optional<TFontRecord> FontChooserDialog::Choose(QWidget* parent, const TFontRecord& initial) {
    FontChooserDialog chooser(parent);
    chooser.SetChosenFont(initial);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return chooser.ChosenFont();
}

}  // namespace zq
