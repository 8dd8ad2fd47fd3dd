#include "app/ui/DrillWindows.h"

#include "base/CodePage.h"
#include "base/ui/Colors.h"
#include "drills/ui/AdaptiveDrillWindow.h"
#include "drills/ui/CourseDrillWindow.h"
#include "drills/ui/FreeDrillWindow.h"
#include "drills/ui/ParagraphDrillWindow.h"
#include "drills/ui/SentenceDrillWindow.h"
#include "keyboard/ui/GuidanceWindowSet.h"
#include "profile/TFontRecord.h"
#include "profile/ui/Fonts.h"

namespace zq {
namespace {

// A drill window of one kind as the main window's logic drives it.
template <typename Window>
class DrillWindowOf : public DrillWindow {
public:
    explicit DrillWindowOf(std::unique_ptr<Window> window) : window_(std::move(window)) {}

    TFmLinePractice& Drill() override { return window_->Drill(); }
    void SetDrillFont(const TFontRecord& font) override {
        window_->SetDrillFont(ToQFont(font), ToQColor(font.Color, window_->palette().color(QPalette::Text)));
    }
    void SetContrastPalette(const ContrastPalette& palette) override { window_->SetContrastPalette(palette); }
    void SetStatusScale(double scale) override { window_->SetStatusScale(scale); }
    void SetWindowFont(const std::string& fontName8,
                       std::int32_t /*charset: Qt chooses by script*/) override {
        window_->SetWindowFontName(QString::fromStdString(ToUtf8(fontName8)));
    }
    void ShowModal() override { window_->exec(); }

private:
    std::unique_ptr<Window> window_;
};

template <typename Window>
std::unique_ptr<Window> Make(stopwatch& watch, GuidanceWindowSet& guidance, bool inside, QWidget* owner,
                             QPointer<QWidget>& open) {
    auto window = std::make_unique<Window>(watch, guidance.Guidance(), owner);
    if (inside && window->Drill().UseGuidance() && guidance.Keyboard() != nullptr) {
        window->HoldGuidance(*guidance.Keyboard(), *guidance.LeftHand(), *guidance.RightHand());
    }
    open = window.get();
    return window;
}

template <typename Window>
std::unique_ptr<DrillWindow> Wrap(std::unique_ptr<Window> window) {
    return std::make_unique<DrillWindowOf<Window>>(std::move(window));
}

}  // namespace

DrillWindows::DrillWindows(GuidanceWindowSet& guidance, QWidget* owner, std::string textsFolder,
                           bool guidanceInside)
    : guidance_(guidance),
      owner_(owner),
      textsFolder_(std::move(textsFolder)),
      guidanceInside_(guidanceInside) {}

std::unique_ptr<DrillWindow> DrillWindows::CreateDrill(DrillKind kind) {
    switch (kind) {
        case DrillKind::Course:
            return Wrap(Make<CourseDrillWindow>(watch_, guidance_, guidanceInside_, owner_, open_));
        case DrillKind::Sentence:
            return Wrap(Make<SentenceDrillWindow>(watch_, guidance_, guidanceInside_, owner_, open_));
        case DrillKind::Free:
            return Wrap(Make<FreeDrillWindow>(watch_, guidance_, guidanceInside_, owner_, open_));
        case DrillKind::Paragraph: {
            auto window = Make<ParagraphDrillWindow>(watch_, guidance_, guidanceInside_, owner_, open_);
            window->TextDrill().SetTextFolder(textsFolder_);
            return Wrap(std::move(window));
        }
        case DrillKind::Adaptive:
            return Wrap(Make<AdaptiveDrillWindow>(watch_, guidance_, guidanceInside_, owner_, open_));
    }
    return nullptr;
}

}  // namespace zq
