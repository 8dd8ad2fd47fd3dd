#include "app/ui/GuidanceWindowSet.h"

#include "drills/ui/GuidanceAdapters.h"
#include "keyboard/TDataMod.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {

GuidanceWindowSet::GuidanceWindowSet(QWidget* owner) : owner_(owner) {}
GuidanceWindowSet::~GuidanceWindowSet() = default;

void GuidanceWindowSet::Create(bool blinking) {
    keyboard_ = std::make_unique<TVKeyboard>(DataMod(), owner_);
    leftHand_ = std::make_unique<TPalmForm>(DataMod(), owner_);
    rightHand_ = std::make_unique<TPalmForm>(DataMod(), owner_);
    keyboard_->SetBlinkMode(blinking);
    leftHand_->SetBlinkMode(blinking);
    rightHand_->SetBlinkMode(blinking);
    keyboardGuide_ = std::make_unique<KeyboardWindowGuide>(*keyboard_);
    leftGuide_ = std::make_unique<HandsWindowGuide>(*leftHand_);
    rightGuide_ = std::make_unique<HandsWindowGuide>(*rightHand_);
}

void GuidanceWindowSet::PrepareGuidance(const std::string& layoutPath) {
    keyboard_->LoadTemplate(layoutPath);
    leftHand_->SetLeftHand(true);
    rightHand_->SetLeftHand(false);
    leftHand_->BuildFingers();
    rightHand_->BuildFingers();
}

void GuidanceWindowSet::DisableKeyArea() {
    keyboard_->KbFrame()->setEnabled(false);
}

void GuidanceWindowSet::SetShowModifiers(bool show) {
    if (keyboard_) keyboard_->SetShowModifiers(show);
}

DrillGuidance GuidanceWindowSet::Guidance() const {
    if (!keyboard_) return {};
    return {keyboardGuide_.get(), leftGuide_.get(), rightGuide_.get()};
}

}  // namespace zq
