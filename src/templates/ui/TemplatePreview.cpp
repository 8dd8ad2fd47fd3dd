#include "templates/ui/TemplatePreview.h"

#include <QPainter>

#include <algorithm>

#include "keyboard/TDataMod.h"
#include "keyboard/ui/GuidanceWindowSet.h"
#include "keyboard/ui/TPalmForm.h"
#include "keyboard/ui/TVKeyboard.h"

namespace zq {
namespace {

constexpr int kGap = 5;      // between the hands and the keyboard, as a drill places them
constexpr int kMargin = 10;  // around the whole picture
const QColor kPreviewBackground(224, 224, 224);

// Keyboard in the middle, the left hand left of it and the right hand right
// of it, tops aligned; a hand without fingers is left out, as in a drill.
QImage Compose(TVKeyboard& keyboard, TPalmForm& left, TPalmForm& right) {
    const QImage keys = keyboard.grab().toImage();
    const bool showLeft = !left.Fingers().NoFingers();
    const bool showRight = !right.Fingers().NoFingers();
    const QImage leftImage = showLeft ? left.grab().toImage() : QImage();
    const QImage rightImage = showRight ? right.grab().toImage() : QImage();
    const int handWidth = left.width() + kGap;
    const int width = kMargin * 2 + keys.width() + (showLeft ? handWidth : 0) + (showRight ? handWidth : 0);
    const int height = kMargin * 2 + std::max({keys.height(), leftImage.height(), rightImage.height()});

    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(kPreviewBackground);
    QPainter painter(&picture);
    int x = kMargin;
    if (showLeft) {
        painter.drawImage(x, kMargin, leftImage);
        x += handWidth;
    }
    painter.drawImage(x, kMargin, keys);
    x += keys.width() + kGap;
    if (showRight) painter.drawImage(x, kMargin, rightImage);
    return picture;
}

}  // namespace

TemplatePreview PreviewTemplate(const std::string& path, std::optional<unsigned char> character) {
    TemplatePreview preview;
    TDataMod store;
    GuidanceWindowSet guidance(store);
    guidance.Create(false);
    preview.readWhole = guidance.PrepareGuidance(path);
    if (character) {
        const int finger = guidance.Keyboard()->HighlightKey(*character);
        PointHandsAt(guidance.Guidance(), finger);
        preview.finger = finger;
    }
    preview.picture = Compose(*guidance.Keyboard(), *guidance.LeftHand(), *guidance.RightHand());
    return preview;
}

}  // namespace zq
