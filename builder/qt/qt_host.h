// The window system of the builder in Qt. With windows on screen the dialogs are Qt's;
// headless, folder browsers and questions take the script's answers and message boxes are
// answered OK. Every message box can be logged as one JSON line.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "builder/builder_host.h"
#include "builder/qt/builder_windows.h"
#include "builder/qt/dara_options.h"
#include "builder/script.h"

namespace builder::qt {

class QtBuilderHost : public BuilderHost {
  public:
    QtBuilderHost(const DaraOptions& options, ScriptedAnswers& answers, EventSink sink);
    ~QtBuilderHost() override;
    QtBuilderHost(const QtBuilderHost&) = delete;
    QtBuilderHost& operator=(const QtBuilderHost&) = delete;

    // The sprite screen the main window shows; set before the windows open.
    void attachScreen(const media::Compositor& screen) { screen_ = &screen; }

    DesktopSize desktopSize() override;
    WindowsOpened openWindows(const DesktopSize& desktop) override;
    void setWindowTitle(WindowId window, std::string_view title) override;
    WindowInfo windowInfo(WindowId window) override;
    void showToolWindows(bool visible) override;
    void activateWindow(WindowId window) override;
    void closeWindows() override;
    int tilePaletteWidth() override;
    void showTilePalette(const std::vector<PalettePicture>& pictures) override;
    void showDnaGadgets(const DnaGadgets& gadgets) override;
    void setDnaFieldText(int row, bool value, std::string_view text) override;

    // The windows, for tests that drive them.
    QWidget* mainWindow() const { return main_.get(); }
    TileWindow* tileWindow() const { return tiles_; }
    DnaWindow* dnaWindow() const { return dna_; }
    void present(const media::Framebuffer& frame) override;

    void messageBox(std::string_view caption, std::string_view text) override;
    bool question(std::string_view caption, std::string_view text) override;
    std::string browseFolder(std::string_view title, std::string_view startDirectory) override;

    void wait(int milliseconds) override;
    base::LocalTime localTime() override;
    std::int64_t localSeconds() override;

  private:
    QWidget* window(WindowId id) const;
    bool isBuilderWindow(const QWidget* widget) const;
    void logBox(std::string_view caption, std::string_view text, bool yesNo, bool answer);

    bool headless_;
    std::optional<DesktopSize> desktop_;
    ScriptedAnswers& answers_;
    const media::Compositor* screen_ = nullptr;
    EventSink sink_;
    std::FILE* messageLog_ = nullptr;
    std::unique_ptr<ScreenWindow> main_;
    TileWindow* tiles_ = nullptr;  // children of main_
    DnaWindow* dna_ = nullptr;
};

}  // namespace builder::qt
