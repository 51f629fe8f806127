#include "builder/qt/qt_host.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QThread>
#include <ctime>

#include "builder/startup.h"
#include "engine/base/json_writer.h"

namespace builder::qt {

namespace {
// Texts are bytes; on this system names of files and folders are UTF-8.
QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string fromQString(const QString& text) {
    return text.toStdString();
}

std::tm localNow(std::time_t& now) {
    now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}
}  // namespace

QtBuilderHost::QtBuilderHost(const DaraOptions& options, ScriptedAnswers& answers, EventSink sink)
    : headless_(options.headless),
      desktop_(options.desktop),
      answers_(answers),
      sink_(std::move(sink)) {
    if (!options.messageLog.empty()) messageLog_ = std::fopen(options.messageLog.c_str(), "ab");
}

QtBuilderHost::~QtBuilderHost() {
    closeWindows();
    if (messageLog_ != nullptr) std::fclose(messageLog_);
}

DesktopSize QtBuilderHost::desktopSize() {
    if (desktop_) return *desktop_;
    if (headless_) return kHeadlessDesktop;
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        return {screen->size().width(), screen->size().height()};
    }
    return kHeadlessDesktop;
}

WindowsOpened QtBuilderHost::openWindows(const DesktopSize& desktop) {
    WindowsOpened opened;
    if (screen_ == nullptr) return opened;
    main_ = std::make_unique<ScreenWindow>(*screen_, sink_);
    main_->setWindowTitle(toQString(kMainWindowTitle));
    main_->move(0, 0);
    main_->resize(desktop.width, desktop.height);
    main_->show();
    opened.mainWindow = true;
    opened.spriteScreen = true;

    const int quarterWidth = desktop.width / 4;
    const int quarterHeight = desktop.height / 4;
    tiles_ = new TileWindow(sink_, main_.get());
    tiles_->setWindowTitle(toQString(kTileWindowTitle));
    // Windows are placed by their outer corner and sized by their inner area.
    tiles_->move(0, 0);
    tiles_->resize(quarterWidth, quarterHeight);
    tiles_->show();
    opened.tileWindow = true;

    dna_ = new DnaWindow(sink_, main_.get());
    dna_->setWindowTitle(toQString(kDnaWindowTitle));
    dna_->move(quarterWidth, 0);
    dna_->resize(quarterWidth, quarterHeight);
    dna_->show();
    opened.dnaWindow = true;

    // Keys released while a dialog or another program has the focus never reach these
    // windows; the builder is told that the focus left so that no key stays held. Headless,
    // every key comes from the script, which holds keys as long as it says.
    if (headless_) return opened;
    QObject::connect(qApp, &QApplication::focusChanged, main_.get(),
                     [this](QWidget*, QWidget* now) {
                         if (isBuilderWindow(now)) return;
                         WindowEvent event;
                         event.kind = EventKind::FocusLost;
                         sink_(event);
                     });
    return opened;
}

bool QtBuilderHost::isBuilderWindow(const QWidget* widget) const {
    if (widget == nullptr) return false;
    const QWidget* top = widget->window();
    return top == main_.get() || top == tiles_ || top == dna_;
}

QWidget* QtBuilderHost::window(WindowId id) const {
    switch (id) {
        case WindowId::Main:
            return main_.get();
        case WindowId::Tiles:
            return tiles_;
        case WindowId::Dna:
            return dna_;
    }
    return nullptr;
}

void QtBuilderHost::setWindowTitle(WindowId id, std::string_view title) {
    if (QWidget* widget = window(id)) widget->setWindowTitle(toQString(title));
}

WindowInfo QtBuilderHost::windowInfo(WindowId id) {
    WindowInfo info;
    const QWidget* widget = window(id);
    if (widget == nullptr) return info;
    info.exists = true;
    info.title = fromQString(widget->windowTitle());
    info.x = widget->pos().x();
    info.y = widget->pos().y();
    info.width = widget->width();
    info.height = widget->height();
    info.visible = widget->isVisible();
    return info;
}

void QtBuilderHost::showToolWindows(bool visible) {
    for (QWidget* widget : {static_cast<QWidget*>(tiles_), static_cast<QWidget*>(dna_)}) {
        if (widget != nullptr && widget->isVisible() != visible) widget->setVisible(visible);
    }
}

void QtBuilderHost::activateWindow(WindowId id) {
    QWidget* widget = window(id);
    if (widget == nullptr) return;
    widget->raise();
    // The tool windows stay above the desktop-sized main window, also where no window
    // manager keeps them there.
    if (id == WindowId::Main) {
        for (QWidget* tool : {static_cast<QWidget*>(dna_), static_cast<QWidget*>(tiles_)}) {
            if (tool != nullptr) tool->raise();
        }
    }
    widget->activateWindow();
}

void QtBuilderHost::closeWindows() {
    tiles_ = nullptr;  // deleted with their parent
    dna_ = nullptr;
    main_.reset();
}

int QtBuilderHost::tilePaletteWidth() {
    return tiles_ != nullptr ? tiles_->paletteWidth() : 0;
}

void QtBuilderHost::showTilePalette(const std::vector<PalettePicture>& pictures) {
    if (tiles_ == nullptr) return;
    std::vector<std::pair<QPoint, QImage>> copies;
    for (const PalettePicture& picture : pictures) {
        const media::Image& image = *picture.image;
        const QImage view(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                          image.height, image.width * 4, QImage::Format_ARGB32);
        copies.emplace_back(QPoint(picture.x, picture.y), view.copy());
    }
    tiles_->palette()->setPictures(std::move(copies));
}

void QtBuilderHost::showDnaGadgets(const DnaGadgets& gadgets) {
    if (dna_ != nullptr) dna_->setGadgets(gadgets);
}

void QtBuilderHost::setDnaFieldText(int row, bool value, std::string_view text) {
    QLineEdit* field = dna_ != nullptr ? dna_->field(row, value) : nullptr;
    // Typing has already put the text there; setting it again would move the cursor.
    if (field != nullptr && field->text() != toQString(text)) field->setText(toQString(text));
}

void QtBuilderHost::present(const media::Framebuffer&) {
    if (main_ && !headless_) main_->update();
}

void QtBuilderHost::logBox(std::string_view caption, std::string_view text, bool yesNo,
                           bool answer) {
    if (headless_) {
        std::fprintf(stderr, "DARA message box: %.*s %.*s\n", static_cast<int>(caption.size()),
                     caption.data(), static_cast<int>(text.size()), text.data());
    }
    if (messageLog_ == nullptr) return;
    base::JsonWriter json(false);
    json.beginObject().member("caption", caption).member("text", text).key("buttons").beginArray();
    if (yesNo) {
        json.value("Yes").value("No");
    } else {
        json.value("OK");
    }
    json.endArray().member("answer", yesNo ? (answer ? "Yes" : "No") : "OK").endObject();
    const std::string line = json.text() + "\n";
    std::fwrite(line.data(), 1, line.size(), messageLog_);
    std::fflush(messageLog_);
}

void QtBuilderHost::messageBox(std::string_view caption, std::string_view text) {
    logBox(caption, text, false, true);
    if (headless_) return;
    QMessageBox box(QMessageBox::NoIcon, toQString(caption), toQString(text), QMessageBox::Ok,
                    main_.get());
    box.exec();
}

bool QtBuilderHost::question(std::string_view caption, std::string_view text) {
    bool yes = false;
    if (headless_) {
        if (!answers_.questions.empty()) {
            yes = answers_.questions.front();
            answers_.questions.pop_front();
        }
    } else {
        yes = QMessageBox::question(main_.get(), toQString(caption), toQString(text),
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    logBox(caption, text, true, yes);
    return yes;
}

std::string QtBuilderHost::browseFolder(std::string_view title, std::string_view startDirectory) {
    if (headless_) {
        if (answers_.folders.empty()) return {};
        std::string folder = answers_.folders.front();
        answers_.folders.pop_front();
        return folder;
    }
    return fromQString(QFileDialog::getExistingDirectory(main_.get(), toQString(title),
                                                         toQString(startDirectory)));
}

void QtBuilderHost::wait(int milliseconds) {
    // Headless runs keep no wall-clock pace: the same script gives the same result at once.
    if (!headless_ && milliseconds > 0) QThread::msleep(static_cast<unsigned long>(milliseconds));
}

base::LocalTime QtBuilderHost::localTime() {
    std::time_t now = 0;
    const std::tm local = localNow(now);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

std::int64_t QtBuilderHost::localSeconds() {
    std::time_t now = 0;
    const std::tm local = localNow(now);
    return static_cast<std::int64_t>(now) + local.tm_gmtoff;
}

}  // namespace builder::qt
