#pragma once

#include <QWidget>
#include <vector>

#include "drills/KeysInPlay.h"

namespace zq {

// The keys an adaptive drill practises, as a row of key caps: each cap
// coloured from red (no progress yet) through yellow, a key that has
// reached the target in full green, the focus key framed thickly. The row
// wraps onto more rows when the keys do not fit its width; a cap's tooltip
// gives the key's progress.
class KeyCapRow : public QWidget {
    Q_OBJECT

public:
    explicit KeyCapRow(QWidget* parent = nullptr);

    void SetKeys(std::vector<KeyInPlay> keys);
    const std::vector<KeyInPlay>& Keys() const { return keys_; }

    // The colour of a cap at `percent` of the way to the target.
    static QColor ProgressColor(int percent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int CapSide() const;
    int CapsPerRow(int width) const;
    QRect CapRect(std::size_t index, int width) const;

    std::vector<KeyInPlay> keys_;
};

}  // namespace zq
