#include "builder/qt/builder_windows.h"

#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWheelEvent>
#include <utility>

#include "builder/qt/key_mapping.h"

namespace builder::qt {

namespace {
constexpr int kWheelNotch = 120;

int buttonNumber(Qt::MouseButton button) {
    if (button == Qt::LeftButton) return 1;
    if (button == Qt::RightButton) return 2;
    return 0;
}
}  // namespace

BuilderWindow::BuilderWindow(WindowId id, EventSink sink, QWidget* parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), id_(id), sink_(std::move(sink)) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

void BuilderWindow::send(WindowEvent event, QPointF local, QPointF global) {
    event.window = id_;
    event.x = static_cast<int>(local.x());
    event.y = static_cast<int>(local.y());
    event.desktopX = static_cast<int>(global.x());
    event.desktopY = static_cast<int>(global.y());
    sink_(event);
}

void BuilderWindow::mouseMoveEvent(QMouseEvent* event) {
    WindowEvent builderEvent;
    builderEvent.kind = EventKind::MouseMove;
    send(std::move(builderEvent), event->position(), event->globalPosition());
}

void BuilderWindow::mousePressEvent(QMouseEvent* event) {
    const int button = buttonNumber(event->button());
    if (button == 0) return;
    WindowEvent builderEvent;
    builderEvent.kind = EventKind::ButtonDown;
    builderEvent.button = button;
    send(std::move(builderEvent), event->position(), event->globalPosition());
}

void BuilderWindow::mouseReleaseEvent(QMouseEvent* event) {
    const int button = buttonNumber(event->button());
    if (button == 0) return;
    WindowEvent builderEvent;
    builderEvent.kind = EventKind::ButtonUp;
    builderEvent.button = button;
    send(std::move(builderEvent), event->position(), event->globalPosition());
}

void BuilderWindow::wheelEvent(QWheelEvent* event) {
    wheelRemainder_ += event->angleDelta().y();
    const int notches = wheelRemainder_ / kWheelNotch;
    wheelRemainder_ -= notches * kWheelNotch;
    if (notches == 0) return;
    WindowEvent builderEvent;
    builderEvent.kind = EventKind::Wheel;
    builderEvent.wheel = notches;
    send(std::move(builderEvent), event->position(), event->globalPosition());
}

void BuilderWindow::sendKey(QKeyEvent* event, EventKind kind) {
    // The keyboard is read as held keys: repeats of a held key change nothing.
    if (event->isAutoRepeat()) return;
    const int code = scanCodeOf(*event);
    if (code < 0) return;
    WindowEvent builderEvent;
    builderEvent.kind = kind;
    builderEvent.key = code;
    const QPoint global = QCursor::pos();
    send(std::move(builderEvent), mapFromGlobal(QPointF(global)), QPointF(global));
}

void BuilderWindow::keyPressEvent(QKeyEvent* event) {
    sendKey(event, EventKind::KeyDown);
}

void BuilderWindow::keyReleaseEvent(QKeyEvent* event) {
    sendKey(event, EventKind::KeyUp);
}

void BuilderWindow::closeEvent(QCloseEvent* event) {
    // The builder ends only through its quit question; closing a tool window hides it.
    event->ignore();
    WindowEvent builderEvent;
    builderEvent.kind = id_ == WindowId::Main ? EventKind::Menu : EventKind::Close;
    if (id_ == WindowId::Main) {
        builderEvent.command = 106;  // "Quit Builder", asked in the tile window
        builderEvent.window = WindowId::Tiles;
    }
    const QPoint global = QCursor::pos();
    send(std::move(builderEvent), mapFromGlobal(QPointF(global)), QPointF(global));
}

void BuilderWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (id_ != WindowId::Tiles) return;
    WindowEvent builderEvent;
    builderEvent.kind = EventKind::Resize;
    builderEvent.width = event->size().width();
    builderEvent.height = event->size().height();
    const QPoint global = QCursor::pos();
    send(std::move(builderEvent), mapFromGlobal(QPointF(global)), QPointF(global));
}

ScreenWindow::ScreenWindow(const media::Compositor& screen, EventSink sink)
    : BuilderWindow(WindowId::Main, std::move(sink), nullptr, Qt::FramelessWindowHint),
      screen_(screen) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const media::Framebuffer& frame = screen_.frame();
    if (frame.width <= 0 || frame.height <= 0) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    const QImage image(reinterpret_cast<const uchar*>(frame.pixels.data()), frame.width,
                       frame.height, frame.width * 4, QImage::Format_RGB32);
    painter.drawImage(0, 0, image);
}

ToolWindow::ToolWindow(WindowId id, EventSink sink, QWidget* parent)
    : BuilderWindow(id, std::move(sink), parent,
                    Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {}

}  // namespace builder::qt
