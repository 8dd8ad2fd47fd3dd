#pragma once

#include <memory>

#include "app/MainFormViews.h"
#include "drills/DrillViews.h"

class QWidget;

namespace zq {

class HandsWindowGuide;
class KeyboardWindowGuide;
class TPalmForm;
class TVKeyboard;

// The on-screen keyboard and the left and right hands windows of a run,
// over the one template store. Hidden until a drill shows them.
class GuidanceWindowSet : public GuidanceWindows {
public:
    // The windows belong to `owner` and stay above it, as its drill windows do.
    explicit GuidanceWindowSet(QWidget* owner);
    ~GuidanceWindowSet() override;

    void Create(bool blinking) override;
    void PrepareGuidance(const std::string& layoutPath) override;
    void DisableKeyArea() override;
    void SetShowModifiers(bool show) override;

    // The windows as a drill drives them; none before Create.
    DrillGuidance Guidance() const;

    TVKeyboard* Keyboard() const { return keyboard_.get(); }
    TPalmForm* LeftHand() const { return leftHand_.get(); }
    TPalmForm* RightHand() const { return rightHand_.get(); }

private:
    QWidget* owner_;
    std::unique_ptr<TVKeyboard> keyboard_;
    std::unique_ptr<TPalmForm> leftHand_;
    std::unique_ptr<TPalmForm> rightHand_;
    std::unique_ptr<KeyboardWindowGuide> keyboardGuide_;
    std::unique_ptr<HandsWindowGuide> leftGuide_;
    std::unique_ptr<HandsWindowGuide> rightGuide_;
};

}  // namespace zq
