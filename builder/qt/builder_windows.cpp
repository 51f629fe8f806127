#include "builder/qt/builder_windows.h"

#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <utility>

#include "builder/dna_window.h"
#include "builder/menu_commands.h"
#include "builder/qt/key_mapping.h"
#include "builder/tile_palette.h"
#include "engine/media/scancodes.h"

namespace builder::qt {

namespace {
constexpr int kWheelNotch = 120;

QColor qColour(media::Argb colour) {
    return QColor((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}

QString toQString(const std::string& text) {
    return QString::fromStdString(text);
}

// A menu bar and a content area below it, without margins.
void stack(QWidget* window, QMenuBar* menuBar, QWidget* content) {
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(menuBar);
    layout->addWidget(content);
}

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
    if (inner_ != nullptr) local = inner_->mapFrom(this, local);
    event.x = static_cast<int>(local.x());
    event.y = static_cast<int>(local.y());
    event.desktopX = static_cast<int>(global.x());
    event.desktopY = static_cast<int>(global.y());
    sink_(event);
}

void BuilderWindow::sendAtPointer(WindowEvent event) {
    const QPoint global = QCursor::pos();
    send(std::move(event), mapFromGlobal(QPointF(global)), QPointF(global));
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
    // The keyboard is read as held keys. A repeat of a held key is one more event (and so
    // one more examination, in which the key is still held); the release half of a repeat
    // is not a release.
    if (event->isAutoRepeat() && kind == EventKind::KeyUp) return;
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
    // Closing the main window asks the quit question.
    event->ignore();
    WindowEvent builderEvent;
    builderEvent.kind = EventKind::Close;
    sendAtPointer(std::move(builderEvent));
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

PaletteView::PaletteView(QWidget* parent) : QWidget(parent) {
    // Clicks and moves belong to the tile window, in this area's coordinates.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PaletteView::setPictures(std::vector<std::pair<QPoint, QImage>> pictures) {
    pictures_ = std::move(pictures);
    update();
}

void PaletteView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), qColour(kPaletteGround));
    for (const auto& [at, image] : pictures_) {
        painter.drawImage(QRect(at.x(), at.y(), kPaletteCell, kPaletteCell), image);
    }
}

namespace {
namespace dik = media::dik;

struct MenuItem {
    const char* title;  // nullptr: a separator
    int command;        // 0: the item presses its key instead (the keys have no command)
    // The key that does the same, shown after the title as Qt shows a shortcut. It is no
    // QAction shortcut: the key goes on to the window, and the builder's key table runs it.
    const char* key = nullptr;
    int scanCode = 0;  // the key an item without a command presses
};
struct Menu {
    const char* title;
    std::vector<MenuItem> items;
};
const std::vector<Menu>& tileMenus() {
    static const std::vector<Menu> menus = {
        {"BUILDER:",
         {{"Save Map NEW Format", kMenuSaveMapFolder},
          {nullptr, 0},
          {"Load Map NEW Format", kMenuLoadMapFolder},
          {nullptr, 0},
          {"Quit Builder", kMenuQuit}}},
        {"MAP",
         {{"Redraw MAP", kMenuRedrawMap},
          {nullptr, 0},
          {"New MAP", kMenuNewMap},
          {nullptr, 0},
          {"Undo", 0, "U", dik::U},
          {"Redo", 0, "R", dik::R}}},
        {"Refresh Tiles?", {{"Refresh", kMenuRefreshTiles}}},
        {"Hide Window?", {{"Hide Window", kMenuHideWindow, "Tab"}}},
        {"Tools:",
         {{"Show As MiniMap", kMenuShowMiniMap},
          {"Save MiniMap (Screenshot)", kMenuSaveMiniMap},
          {"Show WorkMap", kMenuShowWorkMap}}},
        {"Info", {{"About", kMenuAbout}, {"QuickHelp", 0, "H", dik::H}}},
    };
    return menus;
}

// run(command) for an item with a command; press(scan code) for one that presses its key.
void addMenus(QMenuBar* menuBar, const std::vector<Menu>& menus,
              const std::function<void(int)>& run, const std::function<void(int)>& press) {
    for (const Menu& menu : menus) {
        QMenu* qMenu = menuBar->addMenu(QString::fromUtf8(menu.title));
        for (const MenuItem& item : menu.items) {
            if (item.title == nullptr) {
                qMenu->addSeparator();
                continue;
            }
            QString text = QString::fromUtf8(item.title);
            if (item.key != nullptr) text += QLatin1Char('\t') + QString::fromUtf8(item.key);
            QAction* action = qMenu->addAction(text);
            if (item.command != 0) {
                action->setData(item.command);
                const int command = item.command;
                QObject::connect(action, &QAction::triggered, menuBar,
                                 [run, command] { run(command); });
            } else {
                const int code = item.scanCode;
                QObject::connect(action, &QAction::triggered, menuBar,
                                 [press, code] { press(code); });
            }
        }
    }
}
}  // namespace

TileWindow::TileWindow(EventSink sink, QWidget* parent)
    : ToolWindow(WindowId::Tiles, std::move(sink), parent),
      menuBar_(new QMenuBar(this)),
      palette_(new PaletteView(this)),
      menuFont_(QStringLiteral("Courier New"), 12) {
    menuBar_->setNativeMenuBar(false);
    addMenus(
        menuBar_, tileMenus(),
        [this](int command) {
            WindowEvent event;
            event.kind = EventKind::Menu;
            event.command = command;
            sendAtPointer(std::move(event));
        },
        [this](int code) {
            // A key tap, down then up, so the key table sees the release it acts on.
            for (EventKind kind : {EventKind::KeyDown, EventKind::KeyUp}) {
                WindowEvent event;
                event.kind = kind;
                event.key = code;
                sendAtPointer(std::move(event));
            }
        });
    stack(this, menuBar_, palette_);
    setInnerArea(palette_);
}

int TileWindow::paletteWidth() const {
    return palette_->width();
}

void TileWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The palette reflows with the window's width, as a repaint of the window draws it.
    WindowEvent repaint;
    repaint.kind = EventKind::Repaint;
    sendAtPointer(std::move(repaint));
}

DnaWindow::DnaWindow(EventSink sink, QWidget* parent)
    : ToolWindow(WindowId::Dna, std::move(sink), parent),
      menuBar_(new QMenuBar(this)),
      scroll_(new QScrollArea(this)),
      canvas_(new QWidget),
      set_(new QPushButton(QStringLiteral("SET_DNA"), canvas_)),
      kill_(new QPushButton(QStringLiteral("KILL_DNA"), canvas_)) {
    menuBar_->setNativeMenuBar(false);
    addMenus(
        menuBar_,
        {{"DNA-SETTINGS:", {{"SET DNA", kDnaMenuSet}, {nullptr, 0}, {"KILL DNA", kDnaMenuKill}}}},
        [this](int command) {
            WindowEvent event;
            event.kind = EventKind::Menu;
            event.command = command;
            sendAtPointer(std::move(event));
        },
        [](int) {});
    scroll_->setWidget(canvas_);
    scroll_->setWidgetResizable(false);
    stack(this, menuBar_, scroll_);
    setInnerArea(canvas_);
    for (auto [button, tooltip, gadget] : {std::tuple{set_, kDnaSetTooltip, kDnaSetButton},
                                           std::tuple{kill_, kDnaKillTooltip, kDnaKillButton}}) {
        button->setToolTip(
            QString::fromUtf8(tooltip.data(), static_cast<qsizetype>(tooltip.size())));
        QPalette palette = button->palette();
        palette.setColor(QPalette::ButtonText, qColour(kDnaButtonText));
        button->setPalette(palette);
        button->resize(kDnaFieldWidth, kDnaButtonHeight);
        const int number = gadget;
        QObject::connect(button, &QPushButton::clicked, this,
                         [this, number] { sendGadget(number, QString()); });
    }
}

void DnaWindow::sendGadget(int gadget, const QString& text) {
    WindowEvent event;
    event.kind = EventKind::Gadget;
    event.command = gadget;
    event.text = text.toStdString();
    sendAtPointer(std::move(event));
}

QLineEdit* DnaWindow::field(int row, bool value) const {
    const std::vector<QLineEdit*>& fields = value ? values_ : keys_;
    if (row < 0 || static_cast<std::size_t>(row) >= fields.size()) return nullptr;
    return fields[static_cast<std::size_t>(row)];
}

void DnaWindow::setGadgets(const DnaGadgets& gadgets) {
    for (QLineEdit* edit : keys_)
        delete edit;
    for (QLineEdit* edit : values_)
        delete edit;
    keys_.clear();
    values_.clear();
    auto makeField = [this](const std::string& text, media::Argb colour, int x, int y, int gadget) {
        auto* edit = new QLineEdit(toQString(text), canvas_);
        edit->setGeometry(x, y, kDnaFieldWidth, kDnaFieldHeight);
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, qColour(colour));
        palette.setColor(QPalette::Text, Qt::black);
        edit->setPalette(palette);
        edit->setFrame(false);
        QObject::connect(edit, &QLineEdit::textEdited, this,
                         [this, gadget](const QString& now) { sendGadget(gadget, now); });
        edit->show();
        return edit;
    };
    int right = 0;
    int bottom = 0;
    for (std::size_t n = 0; n < gadgets.rows.size(); ++n) {
        const DnaField& row = gadgets.rows[n];
        const int number = static_cast<int>(n);
        QLineEdit* key =
            makeField(row.key, row.keyColour, row.x, row.y, gadgets.gadgetBase + number);
        key->setAlignment(Qt::AlignCenter);
        key->setToolTip(toQString(row.tooltip));
        keys_.push_back(key);
        values_.push_back(makeField(row.value, row.valueColour, row.x, row.y + kDnaFieldHeight,
                                    2 * gadgets.gadgetBase + number));
        right = std::max(right, row.x + kDnaFieldWidth);
        bottom = std::max(bottom, row.y + 2 * kDnaFieldHeight);
    }
    set_->move(gadgets.buttonsX, gadgets.buttonsY);
    kill_->move(gadgets.buttonsX, gadgets.buttonsY + kDnaButtonGap);
    right = std::max(right, gadgets.buttonsX + kDnaFieldWidth);
    bottom = std::max(bottom, gadgets.buttonsY + kDnaButtonGap + kDnaButtonHeight);
    canvas_->resize(right, bottom);
}

}  // namespace builder::qt
