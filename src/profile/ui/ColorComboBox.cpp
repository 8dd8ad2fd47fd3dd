#include "profile/ui/ColorComboBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>

#include "base/ui/Colors.h"

namespace zq {

ColorComboBox::ColorComboBox(QWidget* parent) : QComboBox(parent) {
    // The box never widens its window for a long name; the list does.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(8);
    setMaxVisibleItems(16);
    connect(this, &QComboBox::activated, this, &ColorComboBox::ColorPicked);
}

void ColorComboBox::AllowTyping() {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    completer()->setCompletionMode(QCompleter::InlineCompletion);
    completer()->setCaseSensitivity(Qt::CaseInsensitive);
    // Enter picks a known name through activated(); leaving the box must too.
    connect(lineEdit(), &QLineEdit::editingFinished, this, &ColorComboBox::PickTypedName);
}

void ColorComboBox::PickTypedName() {
    const QString typed = currentText();
    const int index = findText(typed, Qt::MatchFixedString);  // without regard to case
    if (index >= 0 && index != currentIndex()) {
        emit ColorPicked(index);
    } else if (currentIndex() >= 0 && typed != itemText(currentIndex())) {
        setEditText(itemText(currentIndex()));  // an unknown name is dropped
    }
}

void ColorComboBox::ShowColors(const ColorList& colors) {
    if (colors.Entries() != shown_) {
        // Rebuilt only when the lines change: this may run while the list
        // reports a pick.
        shown_ = colors.Entries();
        const QSignalBlocker quiet(this);
        clear();
        for (const ColorEntry& entry : shown_) addItem(Swatch(entry), QString::fromStdString(entry.name));
        view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    }
    const QSignalBlocker quiet(this);
    setCurrentIndex(colors.SelectedIndex());
}

QIcon ColorComboBox::Swatch(const ColorEntry& entry) const {
    const QSize size = iconSize();
    QPixmap pixmap(size * devicePixelRatioF());
    pixmap.setDevicePixelRatio(devicePixelRatioF());
    pixmap.fill(Qt::transparent);
    if (entry.opensChooser) return QIcon(pixmap);  // blank, to keep the names in line
    const TColor color = entry.color;
    QPainter painter(&pixmap);
    const QRectF box(0.5, 0.5, size.width() - 1.0, size.height() - 1.0);
    const QColor fill = ToQColor(color, palette(), palette().color(QPalette::Window));
    painter.fillRect(box, fill);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(box);
    if (color == clNone) painter.drawLine(box.bottomLeft(), box.topRight());  // no colour: struck out
    painter.end();
    return QIcon(pixmap);
}

}  // namespace zq
