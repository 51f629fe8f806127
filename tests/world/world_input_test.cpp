// The engine keys, in process: key events between polls of the world input, one row per
// rule the black-box replays do not cover.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "engine/media/scancodes.h"
#include "world/world_input.h"
#include "world_fixture.h"

namespace world_test {
namespace {

namespace dik = media::dik;

// One poll: the events that arrive before it (positive: key down, negative: key up).
using Poll = std::vector<int>;

struct InputCase {
    const char* name;
    std::function<void()> setUp;
    std::vector<Poll> polls;
    std::function<void()> check;
};

void deliver(const Poll& poll) {
    for (int key : poll) {
        const auto type = key > 0 ? media::InputEventType::KeyDown : media::InputEventType::KeyUp;
        media::inputState().apply({type, key > 0 ? key : -key, 0, 0});
    }
}

const std::vector<InputCase>& inputCases() {
    static const std::vector<InputCase> cases = {
        {"Alt+Ctrl+D switches the overlay; D alone does not",
         [] {},
         {{dik::D}, {-dik::D}, {dik::LMENU, dik::LCONTROL, dik::D}, {-dik::D}},
         [] { EXPECT_EQ(engineSettings.overlay, 1); }},
        {"F1 switches PIP on release, each release once",
         [] {},
         {{dik::F1}, {}, {-dik::F1}, {}, {dik::F1, -dik::F1}},
         [] { EXPECT_EQ(engineSettings.pip, 0); }},
        {"A tap between two polls is a release",
         [] {},
         {{dik::F10, -dik::F10}, {}},
         [] { EXPECT_EQ(engineSettings.mirrorsDisabled, 1); }},
        {"Alt+Ctrl+Page Up requests the next map",
         [] { engineSettings.nextMapId = 3; },
         {{dik::LMENU, dik::LCONTROL, dik::PRIOR}, {-dik::PRIOR}},
         [] { EXPECT_EQ(engineSettings.nextMapId, 4); }},
        {"Alt+Ctrl+M below map 1000 stops multitasking",
         [] {
             engineSettings.actualMapId = 999;
             engineSettings.multitask = 10;
         },
         {{dik::LMENU, dik::LCONTROL, dik::M}, {-dik::M}},
         [] { EXPECT_EQ(engineSettings.multitask, 0); }},
        {"Alt+Ctrl+M on a title screen does nothing",
         [] {
             engineSettings.actualMapId = 1000;
             engineSettings.multitask = 10;
         },
         {{dik::LMENU, dik::LCONTROL, dik::M}, {-dik::M}},
         [] { EXPECT_EQ(engineSettings.multitask, 10); }},
        {"P leaves for the menu; the player continues from where it stands",
         [] {
             engineSettings.playerObject = 1;
             growWorldObjects(2);
             worldObjects[1].posX = 12.0f;
             worldObjects[1].posY = 34.0f;
         },
         {{dik::P}, {-dik::P}},
         [] {
             EXPECT_EQ(engineSettings.nextMapId, 999);
             EXPECT_EQ(worldObjects[1].savePointX, 12.0f);
             EXPECT_EQ(worldObjects[1].savePointY, 34.0f);
         }},
        // A half-built level is not saved over the level's saved state.
        {"Escape while a map loads requests the menu and saves nothing",
         [] {
             engineSettings.useCache = 1;
             engineSettings.loading = 1;
             engineSettings.actualMapId = 4;
         },
         {{dik::ESCAPE}, {-dik::ESCAPE}},
         [] {
             EXPECT_EQ(engineSettings.nextMapId, 999);
             EXPECT_FALSE(media::directoryExists(engineSettings.cachePath + "4"));
         }},
    };
    return cases;
}

class WorldInputTest : public WorldTest {};

TEST_F(WorldInputTest, EngineKeys) {
    for (const InputCase& row : inputCases()) {
        SCOPED_TRACE(row.name);
        TearDown();
        SetUp();
        world::resetWorldInput();
        row.setUp();
        for (const Poll& poll : row.polls) {
            deliver(poll);
            world::worldInput();
        }
        row.check();
    }
}

}  // namespace
}  // namespace world_test
