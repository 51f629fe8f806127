#include <gtest/gtest.h>

#include <string>

#include "engine/media/headless/replay.h"
#include "support/test_support.h"

namespace media {
namespace {

using T = InputEventType;

Replay parseOk(std::string_view text) {
    Replay replay;
    std::string error;
    EXPECT_TRUE(parseReplay(text, replay, error)) << error;
    return replay;
}

std::string parseError(std::string_view text) {
    Replay replay;
    std::string error;
    EXPECT_FALSE(parseReplay(text, replay, error)) << "accepted: " << text;
    return error;
}

TEST(ReplayParse, EveryEventForm) {
    const Replay replay = parseOk(
        "1 key down 0x1D\n"
        "1 key up 29\n"
        "2 mouse move -4 7\n"
        "2 mouse at 320 200\n"
        "3 mouse down 1\n"
        "3 mouse up 3\n"
        "4 wheel -2\n"
        "5 joy axis x -1\n"
        "5 joy axis y 1\n"
        "6 joy button 10 down\n"
        "6 joy button 1 up\n"
        "7 focus 0\n"
        "8 focus 1\n");
    const std::vector<ReplayEvent> expected = {
        {1, {T::KeyDown, 0x1D, 0, 0}},  {1, {T::KeyUp, 29, 0, 0}},
        {2, {T::MouseMove, 0, -4, 7}},  {2, {T::MouseAt, 0, 320, 200}},
        {3, {T::MouseDown, 1, 0, 0}},   {3, {T::MouseUp, 3, 0, 0}},
        {4, {T::Wheel, 0, -2, 0}},      {5, {T::JoyAxisX, 0, -1, 0}},
        {5, {T::JoyAxisY, 0, 1, 0}},    {6, {T::JoyButtonDown, 10, 0, 0}},
        {6, {T::JoyButtonUp, 1, 0, 0}}, {7, {T::Focus, 0, 0, 0}},
        {8, {T::Focus, 0, 1, 0}},
    };
    EXPECT_EQ(replay.events, expected);
    EXPECT_FALSE(replay.joystickPresent);
}

TEST(ReplayParse, CommentsBlankLinesLineEndsAndOrder) {
    const Replay replay = parseOk(
        "# a recorded session\r\n"
        "\r\n"
        "joystick present   # from the start\r\n"
        "   \t\n"
        "5 key down 0xcf # End\n"
        "3\tkey   down\t0XCB\n"
        "5 key up 207");  // no line end at the end
    EXPECT_TRUE(replay.joystickPresent);
    // Sorted by turn; the file's order kept within a turn.
    const std::vector<ReplayEvent> expected = {
        {3, {T::KeyDown, 0xCB, 0, 0}}, {5, {T::KeyDown, 0xCF, 0, 0}}, {5, {T::KeyUp, 0xCF, 0, 0}}};
    EXPECT_EQ(replay.events, expected);
    EXPECT_TRUE(parseOk("").events.empty());
}

TEST(ReplayParse, BadLinesNameTheirLine) {
    EXPECT_EQ(parseError("1 key down 1\n\n1 kye down 1\n").rfind("line 3: ", 0), 0u);
    const char* bad[] = {
        "1 key down 256",          // beyond the 256 keys
        "1 key down -1",           //
        "1 key down 0x",           // hex without digits
        "1 key press 5",           // neither down nor up
        "1 key down",              // missing code
        "1 key down 5 6",          // trailing word
        "-1 key down 5",           // negative turn
        "x key down 5",            // turn not a number
        "99999999999 key down 5",  // turn beyond int
        "1 mouse move 3",          // missing dy
        "1 mouse move 3 y",        //
        "1 mouse down 4",          // buttons 1..3
        "1 mouse down 0",          //
        "1 mouse click 1",         //
        "1 wheel",                 //
        "1 wheel 1.5",             //
        "1 joy axis z 1",          //
        "1 joy axis x 2",          // directions -1..1
        "1 joy button 11 down",    // buttons 1..10
        "1 joy button 1 held",     //
        "1 joy hat 1",             //
        "1 focus 2",               //
        "1 focus",                 //
        "joystick absent",         //
        "joystick present now",    //
        "1",                       // a turn alone
    };
    for (const char* line : bad) {
        const std::string error = parseError(line);
        EXPECT_EQ(error.rfind("line 1: ", 0), 0u) << line << " -> " << error;
    }
}

TEST(ReplayParse, LoadNamesFileAndLine) {
    testing_support::TempDir dir;
    const std::string path = dir.file("input.replay");
    testing_support::writeFile(path, "1 key down 1\n2 key sideways 1\n");
    Replay replay;
    std::string error;
    EXPECT_FALSE(loadReplay(path, replay, error));
    EXPECT_NE(error.find(path), std::string::npos);
    EXPECT_NE(error.find("line 2"), std::string::npos);
    EXPECT_FALSE(loadReplay(dir.file("missing.replay"), replay, error));
}

TEST(ReplayRecord, RoundTripsEveryEvent) {
    const std::vector<ReplayEvent> events = {
        {0, {T::KeyDown, 0x01, 0, 0}},  {1, {T::KeyUp, 0xFF, 0, 0}},
        {1, {T::MouseMove, 0, -12, 5}}, {2, {T::MouseAt, 0, -3, 4000}},
        {2, {T::MouseDown, 2, 0, 0}},   {2, {T::MouseUp, 2, 0, 0}},
        {3, {T::Wheel, 0, 3, 0}},       {3, {T::JoyAxisX, 0, 1, 0}},
        {3, {T::JoyAxisY, 0, 0, 0}},    {4, {T::JoyButtonDown, 7, 0, 0}},
        {4, {T::JoyButtonUp, 7, 0, 0}}, {5, {T::Focus, 0, 0, 0}},
        {6, {T::Focus, 0, 1, 0}},       {2147483646, {T::KeyDown, 2, 0, 0}},
    };
    testing_support::TempDir dir;
    const std::string path = dir.file("session.replay");
    {
        ReplayRecorder recorder;
        std::string error;
        ASSERT_TRUE(recorder.open(path, error)) << error;
        recorder.comment("test session");
        recorder.recordJoystickPresent();
        for (const ReplayEvent& e : events)
            recorder.record(e.turn, e.event);
        recorder.record(6, {T::Quit, 0, 0, 0});  // not a replay line
        EXPECT_TRUE(recorder.close());
    }
    Replay replay;
    std::string error;
    ASSERT_TRUE(loadReplay(path, replay, error)) << error;
    EXPECT_TRUE(replay.joystickPresent);
    EXPECT_EQ(replay.events, events);
    EXPECT_EQ(formatReplayLine(12, {T::KeyDown, 0x1D, 0, 0}), "12 key down 0x1D");
}

TEST(ReplayCursor, HandsOutEventsUpToTheTurn) {
    ReplayCursor cursor(parseOk("1 key down 1\n3 key down 3\n3 key up 3\n7 wheel 1\n"));
    std::vector<InputEvent> events;
    cursor.take(events);  // turn 0: nothing due
    EXPECT_TRUE(events.empty());
    cursor.setTurn(3);  // turns 1..3 at once
    cursor.take(events);
    EXPECT_EQ(events.size(), 3u);
    cursor.take(events);  // handed out once only
    EXPECT_EQ(events.size(), 3u);
    cursor.setTurn(100);
    cursor.take(events);
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events.back().type, T::Wheel);
}

}  // namespace
}  // namespace media
