#include "drills/GuidancePlacement.h"

#include <algorithm>

namespace zq {
namespace {

int Right(const DrillRect& r) {
    return r.left + r.width;
}
int Bottom(const DrillRect& r) {
    return r.top + r.height;
}
bool Exists(const DrillRect& r) {
    return r.width > 0 && r.height > 0;
}

// The position that keeps an extent of `size` within [start, start + length),
// or `start` when it is longer than that.
int Fit(int position, int size, int start, int length) {
    return std::max(start, std::min(position, start + length - size));
}

void PutBelowTheDrill(GuidanceFrames& f) {
    f.keyboard.top = Bottom(f.drill) + kKeyboardGap;
    f.keyboard.left = f.drill.left + (f.drill.width - f.keyboard.width) / 2;
    f.leftHand.top = f.rightHand.top = f.keyboard.top;
    f.leftHand.left = f.keyboard.left - (Exists(f.leftHand) ? f.leftHand.width + kHandsGap : 0);
    f.rightHand.left = Right(f.keyboard) + (Exists(f.rightHand) ? kHandsGap : 0);
}

void KeepTheRowWithinTheWidth(const DrillRect& screen, GuidanceFrames& f) {
    const int rowLeft = f.leftHand.left;
    const int rowWidth = Right(f.rightHand) - rowLeft;
    if (rowWidth <= screen.width) {
        const int shift = Fit(rowLeft, rowWidth, screen.left, screen.width) - rowLeft;
        for (DrillRect* r : {&f.keyboard, &f.leftHand, &f.rightHand}) r->left += shift;
        return;
    }
    f.keyboard.left = Fit(f.keyboard.left, f.keyboard.width, screen.left, screen.width);
    f.leftHand.left = screen.left;
    f.rightHand.left = Fit(Right(screen) - f.rightHand.width, f.rightHand.width, screen.left, screen.width);
    for (DrillRect* hand : {&f.leftHand, &f.rightHand}) hand->top = Bottom(f.keyboard) - hand->height;
}

void KeepTheRowWithinTheHeight(const DrillRect& screen, GuidanceFrames& f) {
    const DrillRect* row[] = {&f.keyboard, &f.leftHand, &f.rightHand};
    int rowTop = f.keyboard.top;
    int rowBottom = Bottom(f.keyboard);
    for (const DrillRect* r : row) {
        if (!Exists(*r)) continue;
        rowTop = std::min(rowTop, r->top);
        rowBottom = std::max(rowBottom, Bottom(*r));
    }
    int overflow = rowBottom - Bottom(screen);
    if (overflow <= 0) return;
    const int drillUp = std::clamp(f.drill.top - screen.top, 0, overflow);
    f.drill.top -= drillUp;
    overflow -= drillUp;
    const int rowUp = drillUp + std::clamp(rowTop - drillUp - screen.top, 0, overflow);
    for (DrillRect* r : {&f.keyboard, &f.leftHand, &f.rightHand}) r->top -= rowUp;
}

}  // namespace

GuidanceFrames PlaceGuidanceWindows(const DrillRect& screen, GuidanceFrames frames) {
    PutBelowTheDrill(frames);
    KeepTheRowWithinTheWidth(screen, frames);
    KeepTheRowWithinTheHeight(screen, frames);
    return frames;
}

}  // namespace zq
