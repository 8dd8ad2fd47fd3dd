#pragma once

#include <QWidget>
#include <optional>

#include "stats/HandsPicture.h"

namespace zq {

// The two hands of the progress window: a bar for each finger, left little
// finger to right little finger, in the colour of its error rate, with its
// keys per minute and accuracy under it and each hand's name and figures
// above it; pointing at a finger tells its figures.
class HandsPictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit HandsPictureWidget(QWidget* parent = nullptr);

    void SetPicture(const HandsPicture& picture);
    const HandsPicture& Picture() const { return picture_; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

    // The finger (0-9) whose slot holds a point, if any.
    std::optional<int> FingerAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

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

    HandsPicture picture_;
};

}  // namespace zq
