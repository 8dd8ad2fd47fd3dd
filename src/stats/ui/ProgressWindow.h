#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "stats/ProgressOverview.h"
#include "stats/ProgressView.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace zq {

class KeyHeatMapWidget;

// The progress window: a learner's speed, accuracy and practice time per
// day, their course's keyboard as a heat map of errors, their slowest keys
// and most frequent confusions, and a button that practises their weakest
// keys. Closed with a chosen practice when that button is used.
class ProgressWindow : public QDialog, private ProgressView {
    Q_OBJECT
public:
    // `programFolder` (ending with "/") holds the chart module.
    ProgressWindow(PracticeHistory& history, ProgressSetup setup, std::string programFolder,
                   QWidget* parent = nullptr);

    // The weak-key practice chosen, once the window has closed with it.
    const std::optional<WeakKeyPractice>& ChosenPractice() const { return chosen_; }
    const ProgressOverview& Overview() const { return overview_; }

    QWidget* Figures = nullptr;          // everything above the buttons
    QScrollArea* FiguresArea = nullptr;  // around them, on a screen too small for them
    QTabWidget* Charts = nullptr;
    QLabel* LbSummary = nullptr;
    KeyHeatMapWidget* HeatMap = nullptr;
    QLabel* LbSlowest = nullptr;
    QLabel* LbConfusions = nullptr;
    QPushButton* BnWeakKeys = nullptr;
    QPushButton* BnClose = nullptr;

private:
    void SetCaption(std::string_view text) override;
    void ShowSummary(std::string_view text) override;
    void ShowCharts(const std::vector<ChartSpec>& charts) override;
    void ShowKeyboard(const KeyHeatMap& keyboard) override;
    void ShowSlowestKeys(const std::vector<std::string>& lines) override;
    void ShowConfusions(const std::vector<std::string>& lines) override;
    void SetWeakKeyPractice(bool enabled, std::string_view hint) override;

    void BnWeakKeysClick();
    QWidget* ScrolledIfTooLarge(QWidget* figures);

    std::string programFolder_;
    ProgressOverview overview_;
    std::optional<WeakKeyPractice> chosen_;
};

}  // namespace zq
