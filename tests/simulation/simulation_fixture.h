// A fresh engine state on the headless media services (virtual clock, seeded random
// generator) with a small screen open, and helpers to build world objects by hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/frame_slots.h"
#include "engine/media/headless/headless_platform.h"
#include "engine/media/services.h"
#include "engine/world_object.h"

class SimulationTest : public ::testing::Test {
  protected:
    static constexpr int kScreenWidth = 64;
    static constexpr int kScreenHeight = 48;

    void SetUp() override {
        engine::resetEngineState("CORE\\");
        engine::frameSlots = engine::FrameSlots{};
        auto platform = std::make_unique<media::HeadlessPlatform>(640, 480);
        media::initServices(std::move(platform), 7);
        window = media::openWindow(0, 0, kScreenWidth, kScreenHeight, "test",
                                   media::WindowStyle::Captioned);
        ASSERT_NE(media::openScreen(window, 0, 0, kScreenWidth, kScreenHeight), 0);
        engineSettings.mainWindow = static_cast<std::int32_t>(window);
        engineSettings.SCRW = kScreenWidth;
        engineSettings.SCRH = kScreenHeight;
        engineSettings.frameCycle = 1;  // live-time steps only where a test asks for them
    }

    void TearDown() override {
        base::disarmFaultGuard();
        media::shutdownServices();
        engine::frameSlots = engine::FrameSlots{};
    }

    // Objects 0..count-1, active, 10 x 10 at (5, 5), with the spare record after them.
    void makeObjects(std::int32_t count) {
        growWorldObjects(count);
        for (std::int32_t i = 0; i < count; ++i) {
            WorldObject& object = worldObjects[static_cast<std::size_t>(i)];
            object.worldFTileIsActive = kObjectActive;
            object.posX = 5.0f;
            object.posY = 5.0f;
            object.width = 10.0f;
            object.height = 10.0f;
            object.maxWidth = 10.0f;
            object.maxHeight = 10.0f;
        }
        engineSettings.objectLast = count - 1;
    }

    static WorldObject& object(std::int32_t index) {
        return worldObjects[static_cast<std::size_t>(index)];
    }

    // A sprite of a width x height picture whose upper half is red and lower half blue.
    static media::SpriteHandle twoToneSprite(int width, int height) {
        media::Image image;
        image.width = width;
        image.height = height;
        image.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                image.at(x, y) = y < height / 2 ? media::rgb(255, 0, 0) : media::rgb(0, 0, 255);
            }
        }
        const media::PictureHandle picture = media::compositor().addPicture(std::move(image));
        return media::makeSprite(picture);
    }

    static media::Argb pixel(int x, int y) {
        const media::Framebuffer& frame = media::compositor().frame();
        return frame.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(frame.width) +
                            static_cast<std::size_t>(x)];
    }

    // The virtual clock moves only by sleeping and flipping.
    static void advanceClock(std::uint32_t ms) { media::sleepMilliseconds(ms); }

    media::WindowHandle window = 0;
};
