#pragma once

#include <QWidget>
#include <optional>

#include "base/ui/AccessibleParts.h"

#include "stats/HandsPicture.h"

namespace zq {

// The two hands of the progress window: a bar for each finger, left little
// finger to right little finger, in the colour of its error rate, with its
// keys per minute and accuracy under it and each hand's name and figures
// above it; pointing at a finger tells its figures, and so does going from
// finger to finger with the arrow keys once Tab has brought the focus here.
// Screen readers find the fingers as its parts, each described by its
// figures.
class HandsPictureWidget : public QWidget, public AccessibleParts {
    Q_OBJECT
    Q_INTERFACES(zq::AccessibleParts)
public:
    explicit HandsPictureWidget(QWidget* parent = nullptr);

    void SetPicture(const HandsPicture& picture);
    const HandsPicture& Picture() const { return picture_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The finger (0-9) whose slot holds a point, if any.
    std::optional<int> FingerAt(QPoint point) const;

    // AccessibleParts: the ten fingers, left little to right little.
    int PartCount() const override { return 10; }
    QString PartName(int part) const override;
    QString PartDescription(int part) const override;
    QRect PartRect(int part) const override;
    QString WholeDescription() const override;
    int FocusedPart() const override { return current_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    QFont FigureFont() const;
    int SlotWidth() const;
    // Each hand takes the room of its five fingers, or of its caption when
    // that is wider; the fingers stand in the middle of it.
    int HandSpan() const;
    int HandGap() const;
    int HandLeft(int hand) const;
    int SlotLeft(int finger) const;
    int BarLength(int finger) const;
    // The y of the base line the bars stand on.
    int BaseLine() const;

    // Shows the figures of the finger the keyboard is on.
    void ShowCurrent();

    HandsPicture picture_;
    int current_ = -1;  // the finger the keyboard is on
};

}  // namespace zq
