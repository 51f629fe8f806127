// Core errors: the numbered failures that end the game at start-up, with the message texts
// read from the file named by SYSTEMTEXT.
#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

enum CoreErrorCode : std::uint8_t {
    kErrorUnknown = 0,
    kErrorInitIo = 1,
    kErrorInit2dGfx = 2,
    kErrorInit3dGfx = 3,
    kErrorInitUi = 4,
    kErrorInitSound = 5,
    kErrorInitInit = 6,  // ini.crc or the core error text file cannot be opened
    kErrorOpenDeveloperWindow = 7,
    kErrorOpenWorldScreen = 8,
    kErrorCreateCache = 9,
};

inline constexpr std::string_view kCoreErrorCaption = "RERIZUVA ENGINE CORE ERROR:";
inline constexpr std::string_view kQuitCaption = "RERIZUVA ENGINE INFORMATION";
inline constexpr std::string_view kQuitText =
    "Sorry,Dear User: RERIZUVA ENGINE  has to quit, because of the error";

// Shows the core error's text (empty while the texts are not read yet), then the quit box,
// and ends the program with the code as exit status (code 0, never raised, exits with 255
// so that a failed start never looks like success). Never returns.
[[noreturn]] void coreError(std::uint8_t code);

// Reads the file named by SYSTEMTEXT (the path as configured) into
// engineSettings.coreErrorTexts: pairs of key line and text line; unknown keys are
// skipped. Core error 6 when the file cannot be opened.
void readCoreErrorTexts();

}  // namespace engine
