// The real Qt windows of DARA on Qt's offscreen platform, driven with QTest: the palette,
// placing, the DNA window's fields and button, the menu bar with a folder browser, the quit
// question on closing, held keys, the wheel over a tool window, hiding and Tab, the keys the
// menus show.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "builder/qt/dara_shell.h"
#include "builder_workspace.h"
#include "engine/media/files.h"

namespace builder_tests {
namespace {

using builder::qt::DaraShell;

// The answer for the next modal dialog, given once it is up.
std::function<void(QWidget*)> pendingAnswer;
void pollForDialog() {
    if (!pendingAnswer) return;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        const std::function<void(QWidget*)> answer = std::move(pendingAnswer);
        pendingAnswer = nullptr;
        answer(modal);
        return;
    }
    QTimer::singleShot(10, pollForDialog);
}
void whenDialog(std::function<void(QWidget*)> answer) {
    pendingAnswer = std::move(answer);
    QTimer::singleShot(0, pollForDialog);
}
void answerQuestion(bool yes) {
    whenDialog([yes](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        box->button(yes ? QMessageBox::Yes : QMessageBox::No)->click();
    });
}

// A started builder with windows on a 640 x 480 offscreen desktop, in a workspace with four
// tile types A (16 x 16), B, C, D (32 x 32).
class QtWindows : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (QApplication::instance() != nullptr) return;
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "builder_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    // Qt lets go of its font configuration only when the application ends.
    static void TearDownTestSuite() { delete QApplication::instance(); }

    void SetUp() override {
        WorkspaceSetup setup;
        setup.tiles.push_back(
            {"C", 32, 32, 0xFF00FF00u, {{"worldFTileTransparency", "255"}}, true});
        setup.tiles.push_back(
            {"D", 32, 32, 0xFFFFFF00u, {{"worldFTileTransparency", "255"}}, true});
        workspace_ = std::make_unique<BuilderWorkspace>(setup);
        previous_ = media::workingDirectory();
        ASSERT_EQ(chdir(workspace_->path().c_str()), 0);
        options_.desktop = builder::DesktopSize{640, 480};
        shell_ = std::make_unique<DaraShell>(options_, std::vector<builder::ScriptCommand>{});
        ASSERT_TRUE(shell_->start());
        QTest::keyClick(main(), Qt::Key_C);  // raster OFF: the cursor follows the pointer
    }

    void TearDown() override {
        // A builder that ended asked Qt's loop to end; outside a running loop that request
        // would end the next test's first dialog at once. One short turn of the loop takes it.
        if (shell_->ended()) {
            QTimer::singleShot(0, [] { QApplication::exit(0); });
            QApplication::exec();
        }
        shell_->finish();
        shell_.reset();
        ASSERT_EQ(chdir(previous_.c_str()), 0);
    }

    QWidget* main() { return shell_->host().mainWindow(); }
    builder::qt::TileWindow* tiles() { return shell_->host().tileWindow(); }
    builder::qt::DnaWindow* dna() { return shell_->host().dnaWindow(); }
    builder::BuilderState& state() { return shell_->builder().builderState; }
    void clickPalette(int x, int y) {
        QTest::mouseClick(tiles(), Qt::LeftButton, {},
                          tiles()->palette()->mapTo(tiles(), QPoint(x, y)));
    }
    void clickMain(int x, int y) {
        QTest::mouseMove(main(), QPoint(x, y));
        QTest::mouseClick(main(), Qt::LeftButton, {}, QPoint(x, y));
    }
    QAction* menuAction(const QString& text) {
        for (QAction* menu : tiles()->menuBar()->actions()) {
            for (QAction* item : menu->menu()->actions())
                if (item->text() == text) return item;
        }
        return nullptr;
    }

    std::unique_ptr<BuilderWorkspace> workspace_;
    std::string previous_;
    builder::DaraOptions options_;
    std::unique_ptr<DaraShell> shell_;
};

TEST_F(QtWindows, APaletteClickChoosesTheTileThatIsPlacedAndTheDnaWindowSavesIt) {
    clickPalette(40, 10);  // the second picture: B
    EXPECT_EQ(state().selectedTile, 1);
    EXPECT_EQ(tiles()->windowTitle().toStdString(), "Tile:1MAP: 1");
    clickMain(100, 100);
    ASSERT_EQ(state().lastElement, 0);
    EXPECT_EQ(state().elements[0].pictureName, "B");
    EXPECT_EQ(state().elements[0].x, 100.0f);

    // The DNA window shows B's file: its one pair in row 0, in green, under the master's key.
    QLineEdit* value = dna()->field(0, true);
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(dna()->field(0, false)->text().toStdString(), "worldFTileTransparency");
    EXPECT_EQ(dna()->field(0, false)->palette().color(QPalette::Base), QColor(0, 255, 0));
    EXPECT_EQ(dna()->field(1, false)->palette().color(QPalette::Base), QColor(250, 250, 0));
    EXPECT_EQ(dna()->field(1, false)->toolTip().toStdString(),
              "Please enter value for worldFStretch below:");
    EXPECT_EQ(dna()->setButton()->palette().color(QPalette::ButtonText), QColor(50, 200, 200));
    value->selectAll();
    QTest::keyClicks(value, "128");
    QTest::mouseClick(dna()->setButton(), Qt::LeftButton);
    EXPECT_EQ(state().tiles[1].dna.worldFTileTransparency, 128);
    EXPECT_NE(testing_support::readFile(workspace_->file("GFX/B.dll")).find("worldFStretch"),
              std::string::npos)
        << "the master's other rows are written too";
}

TEST_F(QtWindows, ClosingTheMainWindowAsksTheQuitQuestion) {
    answerQuestion(false);
    main()->close();
    EXPECT_FALSE(shell_->ended());
    EXPECT_EQ(state().quit, 0);
    EXPECT_TRUE(main()->isVisible());
    answerQuestion(true);
    main()->close();
    EXPECT_TRUE(shell_->ended());
    EXPECT_EQ(state().quit, 1);
}

TEST_F(QtWindows, AHeldArrowKeyScrollsOnEveryRepeatAndStopsAtTheRelease) {
    clickMain(200, 200);
    QTest::keyPress(main(), Qt::Key_Right);
    for (int repeat = 0; repeat < 5; ++repeat) {
        // X11's auto-repeat: a release and a press, both marked as repeats.
        QKeyEvent up(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(main(), &up);
        QKeyEvent down(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
        QApplication::sendEvent(main(), &down);
    }
    QTest::keyRelease(main(), Qt::Key_Right);
    QTest::mouseMove(main(), QPoint(300, 300));
    EXPECT_EQ(state().mapScrollX, 6) << "the press and five repeats";
    EXPECT_EQ(state().elements[0].x, 206.0f);
}

TEST_F(QtWindows, KeysHeldWhenTheFocusLeavesStayReleased) {
    clickMain(200, 200);
    QTest::keyPress(main(), Qt::Key_Left);
    QTest::mouseMove(main(), QPoint(210, 200));
    EXPECT_EQ(state().mapScrollX, -2) << "the press and the move";
    // Another program's window takes the focus; the release happens there.
    QWidget elsewhere;
    elsewhere.setFocusPolicy(Qt::StrongFocus);
    elsewhere.show();
    QApplication::setActiveWindow(&elsewhere);
    elsewhere.setFocus();
    ASSERT_EQ(QApplication::focusWidget(), &elsewhere);
    QTest::mouseMove(main(), QPoint(220, 200));
    QTest::mouseMove(main(), QPoint(230, 200));
    EXPECT_EQ(state().mapScrollX, -2);
}

TEST_F(QtWindows, SaveMapFolderThroughTheMenuWithTheFolderBrowserAnswered) {
    clickMain(50, 60);
    const std::string folder = workspace_->file("SAVED");
    ASSERT_TRUE(media::createDirectory(folder));
    QAction* save = menuAction(QStringLiteral("Save Map NEW Format"));
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->data().toInt(), 128);
    whenDialog([folder](QWidget* modal) {
        auto* browser = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(browser, nullptr);
        EXPECT_EQ(browser->windowTitle().toStdString(), "Save Map New Format:");
        browser->setDirectory(QString::fromStdString(folder));
        EXPECT_EQ(browser->selectedFiles().value(0).toStdString(), folder);
        static_cast<QDialog*>(browser)->accept();  // as the dialog's Choose button
    });
    save->trigger();
    EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/1")) << "layer 1";
    EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/_"));
    // Every title and item of the menu bar, with its command number.
    QStringList seen;
    for (QAction* menu : tiles()->menuBar()->actions()) {
        seen << menu->text();
        for (QAction* item : menu->menu()->actions())
            seen << (item->isSeparator() ? QStringLiteral("-")
                                         : item->text() + "=" + item->data().toString());
    }
    EXPECT_EQ(seen.join('|').toStdString(),
              "BUILDER:|Save Map NEW Format=128|-|Load Map NEW Format=129|-|Quit Builder=106|"
              "MAP|Redraw MAP=115|-|New MAP=117|-|Undo\tU=|Redo\tR=|Refresh Tiles?|Refresh=116|"
              "Hide Window?|Hide Window\tTab=122|Tools:|Show As MiniMap=125|"
              "Save MiniMap (Screenshot)=126|Show WorkMap=127|Info|About=107|QuickHelp\tH=");
}

TEST_F(QtWindows, MenuItemsShowTheirKeysAndTheKeyRunsItOnce) {
    for (int x : {100, 200, 300})
        clickMain(x, 100);  // snapshots 0, 1 and 2; undo position 2
    struct KeyRow {
        const char* item;  // the title, a tab, the key
        Qt::Key key;
        std::function<int()> value;
        int afterKey;   // after one press of the key: a second run would differ
        int afterItem;  // after choosing the item
    };
    const std::vector<KeyRow> rows = {
        {"Undo\tU", Qt::Key_U, [this] { return state().undoPosition; }, 1, 0},
        // Below 0 redo goes round to the highest undo, then walks back again.
        {"Redo\tR", Qt::Key_R, [this] { return state().undoPosition; }, 2, 1},
        {"QuickHelp\tH", Qt::Key_H, [this] { return state().helpShown; }, 1, 0},
        {"Hide Window\tTab", Qt::Key_Tab, [this] { return state().windowsHidden; }, 1, 1},
    };
    // Pressed in the tile window, where the menu's shortcuts would be live.
    QApplication::setActiveWindow(tiles());
    tiles()->setFocus();
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(row.item);
        QAction* action = menuAction(QString::fromUtf8(row.item));
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->shortcut().isEmpty()) << "the key is the window's, not Qt's";
        QTest::keyClick(tiles()->windowHandle(), row.key);
        EXPECT_EQ(row.value(), row.afterKey);
        action->trigger();
        EXPECT_EQ(row.value(), row.afterItem);
    }
    EXPECT_EQ(state().lastElement, 1) << "redo loaded snapshot 1";
}

TEST_F(QtWindows, ANarrowTileWindowReflowsAndOnlyTheCellInsideChooses) {
    tiles()->resize(100, 200);
    EXPECT_EQ(state().tiles[2].paletteX, 64);
    EXPECT_EQ(state().tiles[3].paletteX, 0);
    EXPECT_EQ(state().tiles[3].paletteY, 32);
    const QImage shown = tiles()->palette()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(70, 10), QColor(0, 255, 0));      // C
    EXPECT_EQ(shown.pixelColor(98, 10), QColor(200, 200, 200));  // the ground
    EXPECT_EQ(shown.pixelColor(10, 40), QColor(255, 255, 0));    // D, on the second row
    clickPalette(40, 10);
    clickPalette(64, 10);  // the first column of C's cell
    clickPalette(10, 32);  // the first row of D's cell
    EXPECT_EQ(state().selectedTile, 1);
    clickPalette(10, 33);
    EXPECT_EQ(state().selectedTile, 3);
}

TEST_F(QtWindows, ClosingTheTileWindowHidesBothAndTabBringsThemBack) {
    tiles()->close();
    EXPECT_TRUE(tiles()->isVisible()) << "hiding waits for the next event";
    QTest::mouseMove(main(), QPoint(300, 300));
    EXPECT_FALSE(tiles()->isVisible());
    EXPECT_FALSE(dna()->isVisible());
    QTest::keyClick(main(), Qt::Key_Tab);
    QTest::mouseMove(main(), QPoint(310, 300));
    EXPECT_TRUE(tiles()->isVisible());
    EXPECT_TRUE(dna()->isVisible());
}

TEST_F(QtWindows, AWheelTurnOverAToolWindowResizesWithTheNextMainWindowEvent) {
    QWheelEvent wheel(QPointF(20, 20), QPointF(20, 20), QPoint(), QPoint(0, 120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(tiles(), &wheel);
    QTest::mouseMove(main(), QPoint(300, 300));
    EXPECT_EQ(state().tiles[0].width, 17.0f);
}

}  // namespace
}  // namespace builder_tests
