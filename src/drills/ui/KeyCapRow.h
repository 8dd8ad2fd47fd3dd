#pragma once

#include <QWidget>
#include <vector>

#include "base/ui/AccessibleParts.h"
#include "drills/KeysInPlay.h"

namespace zq {

// The keys an adaptive drill practises, as a row of key caps: each cap
// coloured from red (no progress yet) through yellow, a key that has
// reached the target in full green, the focus key framed thickly. The row
// wraps onto more rows when the keys do not fit its width; a cap's tooltip
// gives the key's progress. Screen readers find the caps as its parts, the
// focus key selected.
class KeyCapRow : public QWidget, public AccessibleParts {
    Q_OBJECT
    Q_INTERFACES(zq::AccessibleParts)

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

    // AccessibleParts: the caps.
    int PartCount() const override { return static_cast<int>(keys_.size()); }
    QString PartName(int part) const override;
    QString PartDescription(int part) const override;
    QRect PartRect(int part) const override { return CapRect(static_cast<std::size_t>(part), width()); }
    bool PartPicked(int part) const override { return keys_.at(static_cast<std::size_t>(part)).focus; }

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;

private:
    int CapSide() const;
    int CapsPerRow(int width) const;
    QRect CapRect(std::size_t index, int width) const;
    // "f: 40 % of the way to your target".
    QString ProgressText(std::size_t index) const;

    std::vector<KeyInPlay> keys_;
};

}  // namespace zq
