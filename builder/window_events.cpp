#include "builder/window_events.h"

#include <exception>

#include "builder/dna_window.h"
#include "builder/editing.h"
#include "builder/fatal_report.h"
#include "builder/keyboard_actions.h"
#include "builder/menu_commands.h"
#include "builder/source_units.h"
#include "builder/test_routines.h"
#include "builder/tile_palette.h"
#include "engine/base/fault_guard.h"

namespace builder {

namespace {
constexpr BuilderUnit kBuilderUnit = BuilderUnit::BUILDEREVENTHANDLER;

void applyToInput(Builder& builder, const WindowEvent& event) {
    switch (event.kind) {
        case EventKind::KeyDown:
            builder.keyboard.setKey(event.key, true);
            break;
        case EventKind::KeyUp:
            builder.keyboard.setKey(event.key, false);
            break;
        case EventKind::ButtonDown:
            builder.mouse.setButton(event.button, true);
            break;
        case EventKind::ButtonUp:
            builder.mouse.setButton(event.button, false);
            break;
        case EventKind::Wheel:
            builder.mouse.addWheel(event.wheel);
            break;
        case EventKind::FocusLost:
            builder.keyboard.releaseAll();
            return;  // carries no pointer position
        default:
            break;
    }
    builder.mouse.moveTo(event.desktopX, event.desktopY);
}

// Tool windows move the build cursor only. The pointer is examined here too, so that a
// movement is never taken twice in raster mode 2; a wheel turn stays for the main window,
// which resizes the selected tile with it.
void followPointer(Builder& builder, const WindowEvent& event) {
    builder.mouse.examinePointer();
    moveBuildCursor(builder, event.x, event.y);
}

void handleTileWindowEvent(Builder& builder, const WindowEvent& event) {
    BuilderState& state = builder.builderState;
    // A click is one event of the tile window: its release, like a pointer moving over the
    // window, leaves the title alone, so a chosen tile's title stays until the next event.
    if (event.kind != EventKind::MouseMove && event.kind != EventKind::ButtonUp)
        builder.host.setWindowTitle(WindowId::Tiles, "Actual Map ID#: " + state.mapIdText);
    switch (event.kind) {
        case EventKind::Menu:
            runMenuCommand(builder, event.command);
            break;
        case EventKind::ButtonDown:
            if (event.button == 1) chooseTile(builder, event.x, event.y);
            break;
        case EventKind::Repaint:
            drawTilePalette(builder);
            break;
        case EventKind::Close:
            state.windowsHidden = 1;
            break;
        default:
            break;
    }
    followPointer(builder, event);
}

void dispatch(Builder& builder, const WindowEvent& event) {
    if (event.kind == EventKind::FocusLost) return;  // only the keyboard changed
    if (event.kind == EventKind::Fault) {
        if (event.command == 1) raiseTestCrash();
        raiseTestFault();
    }
    switch (event.window) {
        case WindowId::Main:
            // Closing the main window asks the quit question, as "Quit Builder" does.
            if (event.kind == EventKind::Close) {
                quitCommand(builder);
                break;
            }
            handleMainWindowMouse(builder, event.x, event.y);
            break;
        case WindowId::Tiles:
            handleTileWindowEvent(builder, event);
            break;
        case WindowId::Dna:
            handleDnaWindowEvent(builder, event);
            followPointer(builder, event);
            break;
    }
}
}  // namespace

bool processWindowEvent(Builder& builder, const WindowEvent& event) {
    try {
        builder.host.showToolWindows(builder.builderState.windowsHidden == 0);
        applyToInput(builder, event);
        dispatch(builder, event);
        examineKeyboard(builder);
    } catch (const BuilderFault& fault) {
        fatalError(builder, builderUnitName(fault.unit), fault.line, fault.what);
    } catch (const base::EngineFault& fault) {
        fatalError(builder, builderUnitName(kBuilderUnit), fault.position.line,
                   base::faultKindText(fault.kind));
    } catch (const std::exception& error) {
        fatalError(builder, builderUnitName(kBuilderUnit), __LINE__, error.what());
    }
    return builder.builderState.quit == 0;
}

}  // namespace builder
