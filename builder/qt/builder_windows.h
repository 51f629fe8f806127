// The builder's three windows in Qt: the borderless main window that shows the sprite
// screen, and the two tool windows on top of it. They turn Qt's input into the builder's
// window events and hand them to one sink.
#pragma once

#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QWidget>
#include <functional>
#include <vector>

#include "builder/window_events.h"
#include "engine/media/compositor.h"

namespace builder::qt {

using EventSink = std::function<void(const WindowEvent&)>;

// Common input handling of the three windows.
class BuilderWindow : public QWidget {
  public:
    BuilderWindow(WindowId id, EventSink sink, QWidget* parent, Qt::WindowFlags flags);

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Tab is the builder's key (it shows and hides the tool windows), never a focus move.
    bool focusNextPrevChild(bool) override { return false; }

    void send(WindowEvent event, QPointF local, QPointF global);
    // Sends an event at the pointer's place (menus, buttons, fields).
    void sendAtPointer(WindowEvent event);
    // The area below a menu bar whose coordinates the builder sees; the window itself
    // when there is none.
    void setInnerArea(QWidget* inner) { inner_ = inner; }

  private:
    void sendKey(QKeyEvent* event, EventKind kind);
    WindowId id_;
    QWidget* inner_ = nullptr;
    EventSink sink_;
    int wheelRemainder_ = 0;  // Qt's eighths of a degree not yet a whole notch
};

// The main window: shows the compositor's framebuffer.
class ScreenWindow : public BuilderWindow {
  public:
    ScreenWindow(const media::Compositor& screen, EventSink sink);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const media::Compositor& screen_;
};

// The tile window and the DNA window. Closing hides them (the builder decides).
class ToolWindow : public BuilderWindow {
  public:
    ToolWindow(WindowId id, EventSink sink, QWidget* parent);
};

// The tile palette's area: the pictures on the palette ground.
class PaletteView : public QWidget {
  public:
    explicit PaletteView(QWidget* parent);
    void setPictures(std::vector<std::pair<QPoint, QImage>> pictures);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::vector<std::pair<QPoint, QImage>> pictures_;
};

// The tile window: its menu bar and the palette.
class TileWindow : public ToolWindow {
  public:
    TileWindow(EventSink sink, QWidget* parent);
    QMenuBar* menuBar() const { return menuBar_; }
    PaletteView* palette() const { return palette_; }
    int paletteWidth() const;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QMenuBar* menuBar_;
    PaletteView* palette_;
    QFont menuFont_;  // "Courier New" 12, loaded with the menu bar
};

// The DNA window: the "DNA-SETTINGS:" menu and the fields and buttons in a scroll area.
class DnaWindow : public ToolWindow {
  public:
    DnaWindow(EventSink sink, QWidget* parent);
    void setGadgets(const DnaGadgets& gadgets);
    QMenuBar* menuBar() const { return menuBar_; }
    QScrollArea* scrollArea() const { return scroll_; }
    QWidget* canvas() const { return canvas_; }
    QPushButton* setButton() const { return set_; }
    QPushButton* killButton() const { return kill_; }
    // The key (false) or value (true) field of row n; nullptr past the last row.
    QLineEdit* field(int row, bool value) const;

  private:
    void sendGadget(int gadget, const QString& text);
    QMenuBar* menuBar_;
    QScrollArea* scroll_;
    QWidget* canvas_;
    QPushButton* set_;
    QPushButton* kill_;
    std::vector<QLineEdit*> keys_;
    std::vector<QLineEdit*> values_;
};

}  // namespace builder::qt
