#include "builder/input_tracking.h"

#include <cstddef>

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

void MouseTracker::examine() {
    deltaX_ = x_ - examinedX_;
    deltaY_ = y_ - examinedY_;
    examinedX_ = x_;
    examinedY_ = y_;
    wheel_ = pendingWheel_;
    pendingWheel_ = 0;
}

}  // namespace builder
