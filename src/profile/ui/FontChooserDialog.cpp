#include "profile/ui/FontChooserDialog.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "base/Translation.h"
#include "base/ui/Colors.h"
#include "profile/ui/ColorComboBox.h"
#include "profile/ui/Fonts.h"

namespace zq {
namespace {

// The font as the chooser can select it: the family the desktop really uses
// for the name ("courier" may be "Nimbus Mono PS"), and the style of that
// family that matches the flags ("Book", "Roman" or "Regular"; a family
// without italics keeps at least its weight). The chooser finds neither by
// itself when the names differ, and would select the first entry of its lists.
QFont FontTheChooserKnows(const TFontRecord& record) {
    QFont font = ToQFont(record);
    const QString family = QFontInfo(font).family();
    font.setFamily(family);
    const QStringList styles = QFontDatabase::styles(family);
    const auto styleWhere = [&](const auto& matches) {
        for (const QString& style : styles)
            if (matches(QFontDatabase::font(family, style, font.pointSize()))) return style;
        return QString();
    };
    QString style =
        styleWhere([&](const QFont& f) { return f.bold() == record.Bold && f.italic() == record.Italic; });
    if (style.isEmpty()) style = styleWhere([&](const QFont& f) { return f.bold() == record.Bold; });
    if (!style.isEmpty()) font.setStyleName(style);
    return font;
}

}  // namespace

FontChooserDialog::FontChooserDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromUtf8(Tr("Font")));

    // The font dialog serves as a part of this one, without its own buttons.
    FontPart = new QFontDialog(this);
    FontPart->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    FontPart->setWindowFlags(Qt::Widget);
    // Escape or Enter in the part closes the part alone; they are meant for
    // the whole chooser.
    connect(FontPart, &QDialog::accepted, this, &QDialog::accept);
    connect(FontPart, &QDialog::rejected, this, &QDialog::reject);

    auto* colorLabel = new QLabel(QString::fromUtf8(Tr("Colo&r:")), this);
    ColorBox = new ColorComboBox(this);
    colorLabel->setBuddy(ColorBox);
    connect(ColorBox, &ColorComboBox::ColorPicked, this, &FontChooserDialog::ColorPicked);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* colorRow = new QHBoxLayout;
    colorRow->addWidget(colorLabel);
    colorRow->addWidget(ColorBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(FontPart);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

void FontChooserDialog::SetChosenFont(const TFontRecord& font) {
    FontPart->setCurrentFont(FontTheChooserKnows(font));
    colors_.Select(font.Color);
    ColorBox->ShowColors(colors_);
}

TFontRecord FontChooserDialog::ChosenFont() const {
    return FromQFont(FontPart->currentFont(), colors_.SelectedColor());
}

void FontChooserDialog::ColorPicked(int index) {
    if (colors_.OpensChooser(index)) {
        const QColor chosen = QColorDialog::getColor(ToQColor(colors_.SelectedColor()), this);
        if (chosen.isValid()) colors_.Select(FromQColor(chosen));
    } else {
        colors_.SelectIndex(index);
    }
    ColorBox->ShowColors(colors_);
}

std::optional<TFontRecord> FontChooserDialog::Choose(QWidget* parent, const TFontRecord& initial) {
    FontChooserDialog chooser(parent);
    chooser.SetChosenFont(initial);
    if (chooser.exec() != QDialog::Accepted) return std::nullopt;
    return chooser.ChosenFont();
}

}  // namespace zq
