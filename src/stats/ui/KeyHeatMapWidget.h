#pragma once

#include <QImage>
#include <QTransform>
#include <QWidget>
#include <map>

#include "base/ui/AccessibleParts.h"

namespace zq {

class ButtonType;
class KeyHeatMap;

// A course's keyboard with every key's face in the colour of its error
// rate, the key's legend over it in black or white; pointing at a key shows its figures, and
// so does going from key to key with the arrow keys once Tab has brought
// the focus here. Screen readers find the keys as its parts, each
// described by its figures.
class KeyHeatMapWidget : public QWidget, public AccessibleParts {
    Q_OBJECT
    Q_INTERFACES(zq::AccessibleParts)
public:
    explicit KeyHeatMapWidget(QWidget* parent = nullptr);

    void SetKeyboard(const KeyHeatMap* keyboard);
    // The template's size; down to half of it where the room is smaller.
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The index of the key at a point, -1 for none (the last key drawn
    // there, as it lies on top).
    int KeyAt(QPoint point) const;

    // AccessibleParts: the keys.
    int PartCount() const override;
    QString PartName(int part) const override;
    QString PartDescription(int part) const override;
    QRect PartRect(int part) const override;
    int FocusedPart() const override { return current_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const KeyHeatMap* keyboard_ = nullptr;
    // Shows the figures of the key the keyboard is on.
    void ShowCurrent();
    // From the template's coordinates to the widget's: as large as fits,
    // never larger than the template, centred.
    QTransform Placement() const;
    // Where a key stands on the widget.
    QRect Shown(const ButtonType& key) const;

    // A key's legend, as the alpha of an image, made when first drawn.
    const QImage& LegendOf(std::size_t index, const ButtonType& key);

    std::map<std::size_t, QImage> legends_;
    int current_ = -1;  // the key the keyboard is on
};

}  // namespace zq
