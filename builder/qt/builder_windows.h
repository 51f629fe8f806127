// The builder's three windows in Qt: the borderless main window that shows the sprite
// screen, and the two tool windows on top of it. They turn Qt's input into the builder's
// window events and hand them to one sink.
#pragma once

#include <QWidget>
#include <functional>

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
    void resizeEvent(QResizeEvent* event) override;

    void send(WindowEvent event, QPointF local, QPointF global);

  private:
    void sendKey(QKeyEvent* event, EventKind kind);
    WindowId id_;
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

}  // namespace builder::qt
