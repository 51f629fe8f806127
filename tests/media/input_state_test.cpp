#include <gtest/gtest.h>

#include "engine/media/input_events.h"

namespace media {
namespace {

using T = InputEventType;

TEST(InputState, KeyPressedIsAnEdgeLatchedByThePoll) {
    InputState input;
    input.apply({T::KeyDown, 0x1D, 0, 0});
    EXPECT_TRUE(input.keyHeld(0x1D));
    EXPECT_FALSE(input.keyPressed(0x1D));  // not before the poll
    input.pollKeyboard();
    EXPECT_TRUE(input.keyPressed(0x1D));
    input.pollKeyboard();  // still held, but no new press
    EXPECT_TRUE(input.keyHeld(0x1D));
    EXPECT_FALSE(input.keyPressed(0x1D));

    // A tap between two polls: no longer held, yet pressed once.
    input.apply({T::KeyDown, 0x01, 0, 0});
    input.apply({T::KeyUp, 0x01, 0, 0});
    input.pollKeyboard();
    EXPECT_FALSE(input.keyHeld(0x01));
    EXPECT_TRUE(input.keyPressed(0x01));
    input.pollKeyboard();
    EXPECT_FALSE(input.keyPressed(0x01));
}

TEST(InputState, OutOfRangeCodesAreIgnored) {
    InputState input;
    for (int code : {-1, 256, 100000}) {
        input.apply({T::KeyDown, code, 0, 0});
        input.apply({T::MouseDown, code, 0, 0});
        input.apply({T::JoyButtonDown, code, 0, 0});
        EXPECT_FALSE(input.keyHeld(code));
        EXPECT_FALSE(input.mouseButton(code));
        EXPECT_FALSE(input.joystickButton(code));
    }
    input.apply({T::MouseDown, 0, 0, 0});
    EXPECT_FALSE(input.mouseButton(0));
}

TEST(InputState, MouseMotionAndWheelLatchPerPoll) {
    InputState input;
    input.apply({T::MouseMove, 0, 3, -2});
    input.apply({T::MouseMove, 0, 4, 1});
    input.apply({T::Wheel, 0, -1, 0});
    input.apply({T::Wheel, 0, -1, 0});
    EXPECT_EQ(input.mouseDeltaX(), 0);  // nothing until the poll
    input.pollMouse();
    EXPECT_EQ(input.mouseDeltaX(), 7);
    EXPECT_EQ(input.mouseDeltaY(), -1);
    EXPECT_EQ(input.mouseWheel(), -2);
    input.apply({T::MouseMove, 0, 1, 1});  // arrives after the poll: kept for the next
    EXPECT_EQ(input.mouseDeltaX(), 7);
    input.pollMouse();
    EXPECT_EQ(input.mouseDeltaX(), 1);
    EXPECT_EQ(input.mouseWheel(), 0);
    input.pollMouse();
    EXPECT_EQ(input.mouseDeltaX(), 0);
    EXPECT_EQ(input.mouseDeltaY(), 0);

    // Absolute position is separate from relative motion.
    input.apply({T::MouseAt, 0, 640, 480});
    input.pollMouse();
    EXPECT_EQ(input.mouseX(), 640);
    EXPECT_EQ(input.mouseY(), 480);
    EXPECT_EQ(input.mouseDeltaX(), 0);

    // Huge motions saturate instead of overflowing.
    for (int i = 0; i < 4; ++i)
        input.apply({T::MouseMove, 0, 2147483647, -2147483647});
    input.pollMouse();
    EXPECT_GT(input.mouseDeltaX(), 0);
    EXPECT_LT(input.mouseDeltaY(), 0);
}

TEST(InputState, ButtonsJoystickFocusQuit) {
    InputState input;
    input.apply({T::MouseDown, 1, 0, 0});
    EXPECT_TRUE(input.mouseButton(1));
    input.apply({T::MouseUp, 1, 0, 0});
    EXPECT_FALSE(input.mouseButton(1));

    input.apply({T::JoyAxisX, 0, -5, 0});  // clamped to a direction
    input.apply({T::JoyAxisY, 0, 1, 0});
    EXPECT_EQ(input.joystickX(), -1);
    EXPECT_EQ(input.joystickY(), 1);
    input.apply({T::JoyButtonDown, 10, 0, 0});
    EXPECT_TRUE(input.joystickButton(10));
    input.apply({T::JoyButtonUp, 10, 0, 0});
    EXPECT_FALSE(input.joystickButton(10));

    EXPECT_TRUE(input.focused());
    input.apply({T::Focus, 0, 0, 0});
    EXPECT_FALSE(input.focused());
    EXPECT_FALSE(input.quitRequested());
    input.apply({T::Quit, 0, 0, 0});
    EXPECT_TRUE(input.quitRequested());
}

}  // namespace
}  // namespace media
