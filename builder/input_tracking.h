// The keyboard and mouse as the builder examines them: the window events set what is held
// and where the pointer is; an examination takes a snapshot with the edges since the one
// before.
#pragma once

#include <array>
#include <cstdint>

namespace builder {

// Keys by DirectInput scan code. A release is reported once: by the first examination
// after the key went up, when an examination had seen it down.
class KeyboardTracker {
  public:
    static constexpr int kKeyCount = 256;

    void setKey(int scanCode, bool down);
    void releaseAll();
    void examine();
    bool held(int scanCode) const;      // down at the last examination
    bool released(int scanCode) const;  // went up since an examination saw it down

  private:
    static bool valid(int scanCode) { return scanCode >= 0 && scanCode < kKeyCount; }
    std::array<bool, kKeyCount> down_{};
    std::array<bool, kKeyCount> heldAtExamination_{};
    std::array<bool, kKeyCount> released_{};
};

// The pointer in desktop coordinates, the two buttons and the wheel. Movement and wheel
// are the changes since the previous examination.
class MouseTracker {
  public:
    void moveTo(int desktopX, int desktopY);
    void setButton(int button, bool down);  // 1 left, 2 right
    void addWheel(int amount);
    void examine();
    // The pointer only: the wheel movement stays for the next full examination.
    void examinePointer();

    int deltaX() const { return deltaX_; }
    int deltaY() const { return deltaY_; }
    int wheel() const { return wheel_; }
    bool leftDown() const { return left_; }
    bool rightDown() const { return right_; }
    int desktopX() const { return x_; }
    int desktopY() const { return y_; }

  private:
    int x_ = 0, y_ = 0;
    int examinedX_ = 0, examinedY_ = 0;
    int pendingWheel_ = 0;
    int deltaX_ = 0, deltaY_ = 0, wheel_ = 0;
    bool left_ = false, right_ = false;
};

}  // namespace builder
