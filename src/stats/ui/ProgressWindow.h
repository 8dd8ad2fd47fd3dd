#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "stats/ProgressOverview.h"
#include "stats/ProgressView.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTabWidget;

namespace zq {

class HandsPictureWidget;
class KeyHeatMapWidget;

// The progress window: a learner's speed, accuracy and practice time per
// day, their course's keyboard as a heat map of errors, their fingers and
// hands, their slowest keys and pairs of keys and most frequent confusions,
// buttons that practise their weakest keys or slowest pairs, and the export
// of their history. Closed with a chosen practice when one of those buttons
// is used.
class ProgressWindow : public QDialog, private ProgressView {
    Q_OBJECT
public:
    // `programFolder` (ending with "/") holds the chart module.
    ProgressWindow(PracticeHistory& history, ProgressSetup setup, std::string programFolder,
                   QWidget* parent = nullptr);

    // The practice chosen, once the window has closed with it.
    const std::optional<TargetedPractice>& ChosenPractice() const { return chosen_; }
    const ProgressOverview& Overview() const { return overview_; }
    // How many of the first pages of Charts are charts.
    int ChartPageCount() const { return chartPages_; }

    // Exports the history into a folder (a path of the file system): asks
    // before replacing an export of the same day, then tells how it went.
    void ExportTo(const QString& folder);

    QWidget* Figures = nullptr;          // everything above the buttons
    QScrollArea* FiguresArea = nullptr;  // around them, on a screen too small for their pages
    QTabWidget* Charts = nullptr;        // with every part's page on a small screen
    QTabWidget* Lists = nullptr;         // keys, pairs of keys, fingers
    QGroupBox* KeyboardBox = nullptr;    // the heat map with its legend
    QLabel* LbSummary = nullptr;
    KeyHeatMapWidget* HeatMap = nullptr;
    HandsPictureWidget* Hands = nullptr;
    QLabel* LbSlowest = nullptr;
    QLabel* LbConfusions = nullptr;
    QLabel* LbSlowestPairs = nullptr;
    QLabel* LbMissedPairs = nullptr;
    QPushButton* BnWeakKeys = nullptr;
    QPushButton* BnSlowPairs = nullptr;
    QPushButton* BnExport = nullptr;
    QPushButton* BnClose = nullptr;

private:
    void SetCaption(std::string_view text) override;
    void ShowSummary(std::string_view text) override;
    void ShowCharts(const std::vector<ChartSpec>& charts) override;
    void ShowKeyboard(const KeyHeatMap& keyboard) override;
    void ShowHands(const HandsPicture& hands) override;
    void ShowSlowestKeys(const std::vector<std::string>& lines) override;
    void ShowConfusions(const std::vector<LabelledLine>& lines) override;
    void ShowSlowestPairs(const std::vector<std::string>& lines) override;
    void ShowMostMissedPairs(const std::vector<std::string>& lines) override;
    void SetWeakKeyPractice(bool enabled, std::string_view hint) override;
    void SetSlowPairPractice(bool enabled, std::string_view hint) override;

    QWidget* MakeLists();
    QWidget* MakeHands();
    QWidget* MakeKeyboard();
    void BnWeakKeysClick();
    void BnSlowPairsClick();
    void BnExportClick();
    // The screen's room for the window, less `margin` each way.
    QSize ScreenRoom(int margin) const;
    bool FitsTheScreen(const QWidget& figures) const;
    void PutEveryPartOnAPage();
    QWidget* ScrolledIfTooLarge(QWidget* figures);
    // The Tab order follows the screen, the charts included.
    void FollowTheScreenInTabOrder();

    std::string programFolder_;
    ProgressOverview overview_;
    std::optional<TargetedPractice> chosen_;
    int chartPages_ = 0;  // the first pages of Charts
};

}  // namespace zq
