// A fresh engine state in a temporary working directory, with the program end, the
// message boxes and the report clock caught for inspection.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/base/fault_guard.h"
#include "engine/engine_settings.h"
#include "engine/program_end.h"
#include "engine/reports.h"
#include "support/test_support.h"

// Thrown by the exit hook so that a test sees the program end instead of the process ending.
struct ProgramEnded {
    int status = 0;
};

class EngineTest : public ::testing::Test {
  protected:
    void SetUp() override {
        engine::resetEngineState(base());
        engine::setMessageBoxHook([this](std::string_view caption, std::string_view text) {
            boxes.emplace_back(std::string(caption), std::string(text));
        });
        engine::setExitHook([](int status) { throw ProgramEnded{status}; });
        engine::setLocalTimeSource([] { return base::LocalTime{2024, 3, 7, 9, 5, 1}; });
        engine::setDesktopSource([] { return media::DesktopInfo{1920, 1080, 32, 60}; });
    }

    void TearDown() override {
        engine::setMessageBoxHook({});
        engine::setExitHook({});
        engine::setShutdownHook({});
        engine::setEndOfProgramHook({});
        engine::setLocalTimeSource({});
        engine::setDesktopSource({});
        base::disarmFaultGuard();
    }

    // The engine base directory below the temporary working directory.
    std::string base() const { return engine::engineBaseDirectory(dir.path()); }
    std::string coreFile(const std::string& name) const { return dir.file("CORE/" + name); }
    void writeCore(const std::string& name, std::string_view text) const {
        testing_support::writeFile(coreFile(name), text);
    }

    testing_support::TempDir dir;
    std::vector<std::pair<std::string, std::string>> boxes;
};
