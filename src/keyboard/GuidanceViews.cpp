#include "keyboard/GuidanceViews.h"

namespace zq {

void PointHandsAt(const DrillGuidance& guidance, int finger) {
    HandGuide* left = guidance.leftHand;
    HandGuide* right = guidance.rightHand;
    if (finger >= 0 && finger <= 4) {
        if (right) right->ClearFinger();
        if (left) left->PointFinger(finger + 1);
    } else if (finger >= 5 && finger <= 9) {
        if (left) left->ClearFinger();
        if (right) right->PointFinger(10 - finger);
    } else {
        if (left) left->ClearFinger();
        if (right) right->ClearFinger();
    }
}

}  // namespace zq
