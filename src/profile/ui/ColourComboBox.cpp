#include "profile/ui/ColourComboBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

#include "base/ui/Colours.h"

namespace zq {

ColourComboBox::ColourComboBox(QWidget* parent) : QComboBox(parent) {
    // The box never widens its window for a long name; the list does.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    setMaxVisibleItems(16);
    connect(this, &QComboBox::activated, this, &ColourComboBox::ColourPicked);
}

void ColourComboBox::AllowTyping() {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    completer()->setCompletionMode(QCompleter::InlineCompletion);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    // Enter picks a known name through activated(); leaving the box must too.
    connect(lineEdit(), &QLineEdit::editingFinished, this, &ColourComboBox::PickTypedName);
}

void ColourComboBox::PickTypedName() {
    const QString typed = currentText();
    const int index = findText(typed, Qt::MatchFixedString);  // without regard to case
    if (index >= 0 && index != currentIndex()) {
        emit ColourPicked(index);
    } else if (currentIndex() >= 0 && typed != itemText(currentIndex())) {
        setEditText(itemText(currentIndex()));  // an unknown name is dropped
    }
}

void ColourComboBox::ShowColours(const ColourList& colours) {
    if (colours.Entries() != shown_) {
        // Rebuilt only when the lines change: this may run while the list
        // reports a pick.
        shown_ = colours.Entries();
        const QSignalBlocker quiet(this);
        clear();
        for (const ColourEntry& entry : shown_) addItem(Swatch(entry), QString::fromStdString(entry.name));
        view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(colours.SelectedIndex());
}

QIcon ColourComboBox::Swatch(const ColourEntry& entry) const {
    const QSize size = iconSize();
    QPixmap pixmap(size * devicePixelRatioF());
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    pixmap.fill(Qt::transparent);
    if (entry.opensChooser) return QIcon(pixmap);  // blank, to keep the names in line
    const TColor colour = entry.colour;
    QPainter painter(&pixmap);
    const QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const QColor fill = ToQColor(colour, palette(), palette().color(QPalette::Window));
    painter.fillRect(box, fill);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(box);
    if (colour == clNone) painter.drawLine(box.bottomLeft(), box.topRight());  // no colour: struck out
    painter.end();
    return QIcon(pixmap);
}

}  // namespace zq
