#include "keyboard/ui/GuidanceWindowSet.h"

#include "keyboard/CharacterFinger.h"
#include "keyboard/ui/GuidanceAdapters.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {

GuidanceWindowSet::GuidanceWindowSet(TDataMod& store, QWidget* owner) : store_(store), owner_(owner) {}
GuidanceWindowSet::~GuidanceWindowSet() = default;

void GuidanceWindowSet::Create(bool blinking) {
    keyboard_ = std::make_unique<TVKeyboard>(store_, owner_);
    leftHand_ = std::make_unique<TPalmForm>(store_, owner_);
    rightHand_ = std::make_unique<TPalmForm>(store_, owner_);
    keyboard_->SetBlinkMode(blinking);
    leftHand_->SetBlinkMode(blinking);
    rightHand_->SetBlinkMode(blinking);
    leftHand_->SetLeftHand(true);
    rightHand_->SetLeftHand(false);
    keyboardGuide_ = std::make_unique<KeyboardWindowGuide>(*keyboard_);
    leftGuide_ = std::make_unique<HandsWindowGuide>(*leftHand_);
    rightGuide_ = std::make_unique<HandsWindowGuide>(*rightHand_);
}

bool GuidanceWindowSet::PrepareGuidance(const std::string& layoutPath) {
    const bool readWhole = keyboard_->LoadTemplate(layoutPath);
    leftHand_->BuildFingers();
    rightHand_->BuildFingers();
    return readWhole;
}

void GuidanceWindowSet::DisableKeyArea() {
    keyboard_->KbFrame()->setEnabled(false);
}

void GuidanceWindowSet::SetShowModifiers(bool show) {
    if (keyboard_) keyboard_->SetShowModifiers(show);
}

void GuidanceWindowSet::SetLook(double scale, const std::optional<ContrastPalette>& palette) {
    if (!keyboard_) return;
    keyboard_->SetLook(scale, palette);
    leftHand_->SetLook(scale, palette);
    rightHand_->SetLook(scale, palette);
}

std::int32_t GuidanceWindowSet::FingerOf(unsigned char character8) {
    return FingerOfCharacter(store_, character8);
}

DrillGuidance GuidanceWindowSet::Guidance() const {
    if (!keyboard_) return {};
    return {keyboardGuide_.get(), leftGuide_.get(), rightGuide_.get()};
}

}  // namespace zq
