// What the builder needs of the window system: its three windows, message boxes, questions,
// the folder browser, a wait and the local time. The Qt shell implements it (with windows
// on screen, or headless with scripted answers); tests use a fake.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/media/compositor.h"
#include "engine/media/platform.h"

namespace builder {

enum class WindowId : std::uint8_t { Main, Tiles, Dna };

struct WindowInfo {
    bool exists = false;
    std::string title;
    int x = 0, y = 0, width = 0, height = 0;
    bool visible = false;
};

// The outcome of opening the windows; each step stops the rest when it fails.
struct WindowsOpened {
    bool mainWindow = false;
    bool spriteScreen = false;
    bool tileWindow = false;
    bool dnaWindow = false;
};

// One picture of the tile palette, at x, y inside the palette area.
struct PalettePicture {
    int x = 0;
    int y = 0;
    const media::Image* image = nullptr;
};

// The gadgets of the DNA window: per row a key field and a value field, each 164 x 20 (the
// value field 20 pixels below the key field), and the two buttons.
struct DnaField {
    std::string key;
    std::string value;
    std::string tooltip;
    media::Argb keyColour = 0;
    media::Argb valueColour = 0;
    int x = 0;
    int y = 0;
};
struct DnaGadgets {
    std::vector<DnaField> rows;  // row n: key gadget base + n, value gadget 2 * base + n
    int gadgetBase = 500;
    int buttonsX = 0;  // "SET_DNA" here, "KILL_DNA" 50 pixels below
    int buttonsY = 0;
};

struct DesktopSize {
    int width = 1;
    int height = 1;
};

class BuilderHost {
  public:
    virtual ~BuilderHost() = default;

    // Desktop 0.
    virtual DesktopSize desktopSize() = 0;
    // Opens the main window (borderless, desktop sized, at 0,0, with the sprite screen) and
    // the two tool windows at the given places.
    virtual WindowsOpened openWindows(const DesktopSize& desktop) = 0;
    virtual void setWindowTitle(WindowId window, std::string_view title) = 0;
    virtual WindowInfo windowInfo(WindowId window) = 0;
    // Shows or hides the tile window and the DNA window together.
    virtual void showToolWindows(bool visible) = 0;
    virtual void activateWindow(WindowId window) = 0;
    virtual void closeWindows() = 0;
    // The inner width of the tile window's palette area (below its menu bar).
    virtual int tilePaletteWidth() { return 0; }
    // Shows the tile palette: the pictures at their palette positions (32 x 32 each) on the
    // palette ground. The pictures are copied; the handles may be freed afterwards.
    virtual void showTilePalette(const std::vector<PalettePicture>& pictures) { (void)pictures; }
    // Builds the DNA window's fields and buttons anew (gadgets with the same numbers are
    // replaced), and gives the window its title.
    virtual void showDnaGadgets(const DnaGadgets& gadgets) { (void)gadgets; }
    // Row n's key (value false) or value field shows text (an edit that did not come from
    // typing into the field, such as a script's).
    virtual void setDnaFieldText(int row, bool value, std::string_view text) {
        (void)row;
        (void)value;
        (void)text;
    }
    // Shows a finished frame of the sprite screen.
    virtual void present(const media::Framebuffer& frame) = 0;

    // A message box with one OK button.
    virtual void messageBox(std::string_view caption, std::string_view text) = 0;
    // A message box with Yes and No; true for Yes.
    virtual bool question(std::string_view caption, std::string_view text) = 0;
    // A folder browser; the chosen folder, or "" when it was cancelled.
    virtual std::string browseFolder(std::string_view title, std::string_view startDirectory) = 0;

    virtual void wait(int milliseconds) = 0;
    // The local date and time, and the same moment as seconds since 1 January 1970 counted
    // in local time (the crash backup's name).
    virtual base::LocalTime localTime() = 0;
    virtual std::int64_t localSeconds() = 0;
};

}  // namespace builder
