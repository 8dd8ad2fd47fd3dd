#pragma once

#include <QImage>
#include <QWidget>
#include <map>

#include "base/ui/AccessibleParts.h"

namespace zq {

class KeyHeatMap;

// A course's keyboard with every key's face in the colour of its error
// rate, the key's picture over it; pointing at a key shows its figures, and
// so does going from key to key with the arrow keys once Tab has brought
// the focus here. Screen readers find the keys as its parts, each
// described by its figures.
class KeyHeatMapWidget : public QWidget, public AccessibleParts {
    Q_OBJECT
    Q_INTERFACES(zq::AccessibleParts)
public:
    explicit KeyHeatMapWidget(QWidget* parent = nullptr);

    void SetKeyboard(const KeyHeatMap* keyboard);
    QSize sizeHint() const override;

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

    std::map<std::size_t, QImage> pictures_;
    int current_ = -1;  // the key the keyboard is on
};

}  // namespace zq
