#pragma once

#include <memory>
#include <string>

#include "keyboard/GuidanceViews.h"

class QWidget;

namespace zq {

class HandsWindowGuide;
class KeyboardWindowGuide;
class TDataMod;
class TPalmForm;
class TVKeyboard;

// The on-screen keyboard and the left and right hands windows over one
// template store: the one place they are put together, for the main window,
// the tools, the template preview, the benchmarks and the tests. Hidden until
// a drill shows them.
class GuidanceWindowSet : public GuidanceWindows {
public:
    // The windows read `store` (the program's is DataMod()); they belong to
    // `owner` and stay above it, as its drill windows do, or stand alone
    // without one.
    explicit GuidanceWindowSet(TDataMod& store, QWidget* owner = nullptr);
    ~GuidanceWindowSet() override;

    void Create(bool blinking) override;
    bool PrepareGuidance(const std::string& layoutPath) override;
    void DisableKeyArea() override;
    void SetShowModifiers(bool show) override;
    void SetLook(double scale, const std::optional<ContrastPalette>& palette) override;
    std::int32_t FingerOf(unsigned char character8) override;

    // The windows as a drill drives them; none before Create.
    DrillGuidance Guidance() const;

    // The windows themselves; null before Create.
    TVKeyboard* Keyboard() const { return keyboard_.get(); }
    TPalmForm* LeftHand() const { return leftHand_.get(); }
    TPalmForm* RightHand() const { return rightHand_.get(); }

private:
    TDataMod& store_;
    QWidget* owner_;
    std::unique_ptr<TVKeyboard> keyboard_;
    std::unique_ptr<TPalmForm> leftHand_;
    std::unique_ptr<TPalmForm> rightHand_;
    std::unique_ptr<KeyboardWindowGuide> keyboardGuide_;
    std::unique_ptr<HandsWindowGuide> leftGuide_;
    std::unique_ptr<HandsWindowGuide> rightGuide_;
};

}  // namespace zq
