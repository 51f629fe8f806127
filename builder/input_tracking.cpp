#include "builder/input_tracking.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>

namespace builder {

void KeyboardTracker::setKey(int scanCode, bool down) {
    if (valid(scanCode)) down_[static_cast<std::size_t>(scanCode)] = down;
}

void KeyboardTracker::releaseAll() {
    down_.fill(false);
}

void KeyboardTracker::examine() {
    for (std::size_t key = 0; key < down_.size(); ++key) {
        released_[key] = heldAtExamination_[key] && !down_[key];
        heldAtExamination_[key] = down_[key];
    }
}

bool KeyboardTracker::held(int scanCode) const {
    return valid(scanCode) && heldAtExamination_[static_cast<std::size_t>(scanCode)];
}

bool KeyboardTracker::released(int scanCode) const {
    return valid(scanCode) && released_[static_cast<std::size_t>(scanCode)];
}

void MouseTracker::moveTo(int desktopX, int desktopY) {
    x_ = desktopX;
    y_ = desktopY;
}

void MouseTracker::setButton(int button, bool down) {
    if (button == 1) left_ = down;
    if (button == 2) right_ = down;
}

void MouseTracker::addWheel(int amount) {
    pendingWheel_ += amount;
}

namespace {
// The movement between two int positions, clamped to int: only its direction is used.
int movement(int to, int from) {
    const std::int64_t delta = std::int64_t{to} - from;
    return static_cast<int>(std::clamp<std::int64_t>(delta, INT_MIN, INT_MAX));
}
}  // namespace

void MouseTracker::examinePointer() {
    deltaX_ = movement(x_, examinedX_);
    deltaY_ = movement(y_, examinedY_);
    examinedX_ = x_;
    examinedY_ = y_;
    wheel_ = 0;
}

void MouseTracker::examine() {
    examinePointer();
    wheel_ = pendingWheel_;
    pendingWheel_ = 0;
}

}  // namespace builder
