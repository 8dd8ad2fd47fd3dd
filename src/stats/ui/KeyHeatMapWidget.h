#pragma once

#include <QImage>
#include <QWidget>
#include <map>

namespace zq {

class KeyHeatMap;

// A course's keyboard with every key's face in the colour of its error
// rate, the key's picture over it; pointing at a key shows its figures.
class KeyHeatMapWidget : public QWidget {
    Q_OBJECT
public:
    explicit KeyHeatMapWidget(QWidget* parent = nullptr);

    void SetKeyboard(const KeyHeatMap* keyboard);
    QSize sizeHint() const override;

    // The index of the key at a point, -1 for none (the last key drawn
    // there, as it lies on top).
    int KeyAt(QPoint point) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    const KeyHeatMap* keyboard_ = nullptr;
    std::map<std::size_t, QImage> pictures_;
};

}  // namespace zq
