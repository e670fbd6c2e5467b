#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

#include "canvas_widget.h"
#include "dialog_answerer.h"
#include "display/colours.h"
#include "display/screen.h"
#include "file_panel_widget.h"
#include "main_window.h"
#include "menu_set.h"
#include "picture_store.h"
#include "timer_clock.h"
#include "window/game_window.h"
#include "window/menu_table.h"

using namespace xantu;

namespace {

const QColor kGreen(0, 128, 0);
const QColor kLightRed(255, 0, 0);

QPoint cellPixel(double x, double y) { return {CanvasWidget::toPixels(cellX(x)), CanvasWidget::toPixels(cellY(y))}; }

// The real window with its window object, started as the program starts it.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFile::remove(QStringLiteral("Xantuペカナ将棋.ini"));
        window = std::make_unique<MainWindow>(QStringLiteral(XANTU_APP_DIR));
        game = std::make_unique<GameWindow>(window->platform());
        window->attach(*game);
        window->dispatch([](GameWindow& g) { g.Form_Load(); });
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }
    void TearDown() override {
        window->clock()->setTimerEnabled(false);
        window.reset();
        game.reset();
    }

    CanvasWidget& canvas() { return *window->canvas(); }
    QColor at(QPoint p) { return canvas().pixelAt(p.x(), p.y()); }
    // The pixel (dx, dy) of the cell compared with the same pixel of a picture.
    bool showsPicture(int code, double x, double y, int dx = 16, int dy = 20) {
        const QImage& picture = pictures.picture(code);
        if (picture.isNull()) return false;
        return at(cellPixel(x, y) + QPoint(dx, dy)) == picture.pixelColor(dx, dy);
    }
    void click(double x, double y, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&canvas(), button, {}, cellPixel(x, y) + QPoint(16, 20));
    }
    void choose(const char* item) {
        QAction* action = window->menus()->action(QString::fromUtf8(item));
        ASSERT_NE(action, nullptr) << item;
        action->trigger();
    }

    DialogAnswerer answerer;
    PictureStore pictures{1.0};
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<GameWindow> game;
};

TEST_F(WindowTest, StartsWithTitleMenusAndTheDrawnScreen) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Xantu ペカナ将棋"));
    EXPECT_EQ(canvas().size(), QSize(613, 533));
    QStringList bar;
    for (QAction* a : window->menuBar()->actions()) bar << a->text();
    EXPECT_EQ(bar.join(QLatin1Char(' ')), QStringLiteral("対局 局面 戻 進 △ ▽ 棋譜 ｵﾌﾟｼｮﾝ その他"));
    EXPECT_TRUE(window->menus()->action(QStringLiteral("LEVEL3"))->isChecked());
    EXPECT_TRUE(window->menus()->checked("MIDORI"));

    // The background is tiled with the ペカナ pattern, not left plain green.
    for (const QPoint cell : {QPoint(15, 5), QPoint(-2, 4), QPoint(5, 11)}) {
        const int code = Screen::pekanaTileAt(cell.x(), cell.y());
        EXPECT_TRUE(showsPicture(code, cell.x(), cell.y(), 10, 10)) << cell.x() << "," << cell.y();
    }
    EXPECT_TRUE(showsPicture(0, 5, 5));                      // empty square
    EXPECT_TRUE(showsPicture(-10, 7, 7));                    // lower pawn
    EXPECT_TRUE(showsPicture(950, 5, 1));                    // upper king
    EXPECT_TRUE(showsPicture(1, 10.8, 0));                   // title
    EXPECT_EQ(at(cellPixel(5, 5) + QPoint(10, 0)), kGreen);  // outlines
    EXPECT_EQ(at(cellPixel(5, 5) + QPoint(0, 10)), kGreen);
}

TEST_F(WindowTest, StartMenuThenTwoClicksMakeAMove) {
    choose("START");
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text, QStringLiteral("先手の番です"));
    EXPECT_EQ(answerer.seen[0].title, QStringLiteral(" "));

    click(7, 7);  // the lower pawn of file 3
    EXPECT_EQ(at(cellPixel(7, 7) + QPoint(10, 0)), kLightRed);
    EXPECT_EQ(at(cellPixel(7, 7) + QPoint(33, 10)), kLightRed);

    click(7, 6);
    EXPECT_TRUE(showsPicture(-10, 7, 6));
    EXPECT_TRUE(showsPicture(0, 7, 7));
    EXPECT_EQ(at(cellPixel(7, 7) + QPoint(10, 0)), kGreen);
    EXPECT_EQ(game->pos.board[7][6], -10);
    EXPECT_EQ(answerer.seen.size(), 1u);
}

TEST_F(WindowTest, ClickBeforeAnyGameIsRefusedWithAMessage) {
    click(7, 7);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text, QStringLiteral("「対局」で始めて下さい"));
    EXPECT_EQ(answerer.seen[0].title, QStringLiteral("開始"));
    EXPECT_NE(at(cellPixel(7, 7) + QPoint(10, 0)), kLightRed);
}

TEST_F(WindowTest, CheckMarksFollowTheGameNotTheClick) {
    choose("LEVEL1");
    EXPECT_TRUE(window->menus()->action(QStringLiteral("LEVEL1"))->isChecked());
    EXPECT_FALSE(window->menus()->action(QStringLiteral("LEVEL3"))->isChecked());
    choose("LEVEL1");  // choosing a checked level keeps it checked
    EXPECT_TRUE(window->menus()->action(QStringLiteral("LEVEL1"))->isChecked());

    choose("TATAMI");
    EXPECT_TRUE(window->menus()->checked("TATAMI"));
    EXPECT_FALSE(window->menus()->checked("MIDORI"));
    EXPECT_TRUE(showsPicture(2, 15, 5, 10, 10));
}

TEST_F(WindowTest, RecordIsWrittenFromThePanelAndReadBackByAClick) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    FilePanelWidget& panel = *window->filePanel();
    panel.setFolder(folder.path());

    choose("START");
    const int moves[3][4] = {{7, 7, 7, 6}, {3, 3, 3, 4}, {1, 7, 1, 6}};
    for (const auto& m : moves) {
        click(m[0], m[1]);
        click(m[2], m[3]);
    }
    answerer.seen.clear();

    choose("KIFU_WRITE");
    ASSERT_TRUE(panel.returnButton()->isVisible());
    EXPECT_TRUE(panel.folderList()->isVisible());
    EXPECT_FALSE(panel.fileList()->isVisible());
    panel.textBox(2)->setText(QStringLiteral("練習対局"));
    QTest::keyClicks(panel.textBox(1), QStringLiteral("first"));
    QTest::mouseClick(panel.returnButton(), Qt::LeftButton);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text, QStringLiteral("棋譜を書き込みました"));
    EXPECT_FALSE(panel.returnButton()->isVisible());
    QFile written(folder.filePath(QStringLiteral("first.棋譜")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_GE(written.readAll().count('\n'), 5);

    choose("KIFU_READ");
    QListWidget* files = panel.fileList();
    ASSERT_TRUE(files->isVisible());
    ASSERT_EQ(files->count(), 1);
    EXPECT_EQ(files->item(0)->text(), QStringLiteral("first.棋譜"));
    answerer.seen.clear();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    ASSERT_EQ(answerer.seen.size(), 2u);
    EXPECT_EQ(answerer.seen[0].text, QStringLiteral(" 読み込みました"));
    EXPECT_EQ(answerer.seen[1].text, QStringLiteral("棋譜を '進 'で進めて下さい"));
    EXPECT_FALSE(files->isVisible());
    EXPECT_TRUE(showsPicture(-10, 7, 7));  // the starting position again
}

// Runs `act` each time the canvas is painted while the computer is busy
// (from its first drawing to the last, which the front end paints while it
// throws away queued input): input made then arrives during its turn.
class WhenTheComputerDraws : public QObject {
public:
    WhenTheComputerDraws(QWidget& canvas, const GameWindow& game, std::function<void()> act)
        : game_(game), act_(std::move(act)) {
        canvas.installEventFilter(this);
    }
    int times = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && game_.computerBusy()) {
            ++times;
            act_();
        }
        return false;
    }

private:
    const GameWindow& game_;
    std::function<void()> act_;
};

TEST_F(WindowTest, ClicksDuringTheComputersTurnMakeNoMoveAndEscEndsAfterIt) {
    choose("GOTE");
    ASSERT_EQ(game->g.moveNumber, 1);
    const auto postClick = [this](double x, double y) {
        const QPointF at = cellPixel(x, y) + QPoint(16, 20);
        const QPointF global = canvas().mapToGlobal(at);
        QCoreApplication::postEvent(
            &canvas(), new QMouseEvent(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {}));
        QCoreApplication::postEvent(
            &canvas(), new QMouseEvent(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton, {}));
    };
    // 9七 then 9六 while the computer replies, and Esc.
    WhenTheComputerDraws meddle(canvas(), *game, [&] {
        postClick(1, 7);
        postClick(1, 6);
        QCoreApplication::postEvent(window.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, {}));
    });
    QSignalSpy pressed(&canvas(), &CanvasWidget::mousePressed);
    click(7, 7);
    click(7, 6);
    QTest::qWait(50);  // anything still queued would arrive now

    EXPECT_GE(meddle.times, 3);
    EXPECT_EQ(pressed.size(), 2);      // the posted clicks never reached the board
    EXPECT_EQ(game->g.moveNumber, 3);  // the human's move and the reply only
    EXPECT_EQ(game->pos.board[1][7], -10);
    EXPECT_TRUE(showsPicture(-10, 1, 7));
    EXPECT_EQ(game->g.selectPhase, 0);
    EXPECT_EQ(game->g.sideToMove, game->g.manSide);
    EXPECT_TRUE(game->exitRequested());
    EXPECT_TRUE(answerer.seen.empty());
}

TEST_F(WindowTest, EscapeEndsTheProgram) {
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(game->exitRequested());
    EXPECT_TRUE(window->exiting());
}

TEST_F(WindowTest, EscapeInARecordTextBoxOnlyLeavesTheBox) {
    choose("KIFU_WRITE");
    QLineEdit* name = window->filePanel()->textBox(1);
    name->setFocus();
    QTest::keyClicks(name, QStringLiteral("abc"));
    QTest::keyClick(name, Qt::Key_Escape);
    EXPECT_FALSE(game->exitRequested());
    EXPECT_FALSE(window->exiting());
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_TRUE(game->exitRequested());
}

TEST_F(WindowTest, ClosingTheWindowUnloadsTheGame) {
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(game->exitRequested());
    EXPECT_TRUE(window->exiting());
}

// Where each caption is drawn comes from the bar's own layout and the
// caption's width in the bar's face, so this holds for any installed face.
TEST_F(WindowTest, EachMenuBarCaptionIsWhereItsEntryIsClicked) {
    QMenuBar& bar = *window->menuBar();
    const QList<QAction*> entries = bar.actions();
    ASSERT_EQ(entries.size(), 9);

    QSignalSpy opened(window->menus(), &MenuSet::menuOpened);
    QSignalSpy commands(window->menus(), &MenuSet::command);
    const char* const expected[] = {"TAIKYOKU",   "STOP", "REPLAY", "AFTER", "LBEL_UP",
                                    "LEBEL_DOWN", "KIFU", "OPTION", "VER"};
    int previousRight = -1;
    for (int i = 0; i < entries.size(); ++i) {
        const QString name = QString::fromUtf8(expected[i]);
        QAction* entry = entries[i];
        EXPECT_EQ(entry, window->menus()->action(name)) << expected[i];
        // The whole caption fits in its item, the items follow one another
        // left to right without overlapping, all on the bar.
        const QRect item = bar.actionGeometry(entry);
        const QFontMetrics metrics(entry->font().resolve(bar.font()));
        EXPECT_LE(metrics.horizontalAdvance(entry->text().remove(QLatin1Char('&'))), item.width()) << expected[i];
        EXPECT_GT(item.left(), previousRight) << expected[i];
        EXPECT_TRUE(bar.rect().contains(item)) << expected[i];
        previousRight = item.right();
        const QPoint centre = item.center();

        opened.clear();
        commands.clear();
        answerer.seen.clear();
        QTest::mouseClick(&bar, Qt::LeftButton, {}, centre);
        if (QMenu* menu = window->menus()->menu(name)) {
            EXPECT_TRUE(menu->isVisible()) << expected[i];
            ASSERT_EQ(opened.size(), 1) << expected[i];
            EXPECT_EQ(opened[0][0].toString(), name);
            EXPECT_EQ(commands.size(), 0) << expected[i];
            menu->hide();
        } else {
            ASSERT_EQ(commands.size(), 1) << expected[i];
            EXPECT_EQ(commands[0][0].toString(), name);
            EXPECT_EQ(opened.size(), 0) << expected[i];
        }
    }
    // The last one shows the version box.
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_TRUE(answerer.seen[0].text.contains(QStringLiteral("Version")));
}

TEST_F(WindowTest, TopLevelCommandsAnswerFromTheMenuBar) {
    choose("VER");
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_TRUE(answerer.seen[0].text.contains(QLatin1Char('\n')));
    EXPECT_FALSE(answerer.seen[0].text.contains(QLatin1Char('\r')));
}

TEST_F(WindowTest, AClickLandsOnTheSameSquareAtEveryScale) {
    choose("START");
    // 100 %, twice, one and a half, and windows of other shapes (letterboxed
    // above and below, then at the sides). Each click selects a lower pawn.
    const QSize sizes[] = {{613, 533}, {1226, 1066}, {920, 800}, {700, 1200}, {1500, 600}};
    int column = 1;
    for (const QSize size : sizes) {
        canvas().setFixedSize(size);
        QApplication::processEvents();
        ASSERT_EQ(canvas().size(), size);
        const double scale = std::min(size.width() / 613.0, size.height() / 533.0);
        const double left = (size.width() - 613 * scale) / 2, top = (size.height() - 533 * scale) / 2;
        const QPoint middle(int(left + (cellX(column) + squareWidth / 2) / 15 * scale),
                            int(top + (cellY(7) + squareHeight / 2) / 15 * scale));
        QTest::mouseClick(&canvas(), Qt::LeftButton, {}, middle);
        EXPECT_EQ(game->g.selectPhase, 1) << size.width() << "x" << size.height();
        EXPECT_EQ(game->g.selFromX, column) << size.width() << "x" << size.height();
        EXPECT_EQ(game->g.selFromY, 7) << size.width() << "x" << size.height();
        ++column;
    }
}

TEST_F(WindowTest, TheWindowFollowsTheAreaInBothDirectionsAtTheSameScale) {
    const double scale = canvas().view().scale();
    const QSize before = canvas().size();
    // Narrower and shorter (the offscreen screen leaves no room to grow at
    // first), then back to the first size.
    canvas().setArea(kWindowWidthTwips * 0.8, kWindowHeightTwips * 0.75);
    QApplication::processEvents();
    EXPECT_NEAR(canvas().width(), before.width() * 0.8, 2);
    EXPECT_NEAR(canvas().height(), before.height() * 0.75, 2);
    EXPECT_NEAR(canvas().view().scale(), scale, 0.01);
    canvas().setArea(kWindowWidthTwips, kWindowHeightTwips);
    QApplication::processEvents();
    EXPECT_NEAR(canvas().width(), before.width(), 2);
    EXPECT_NEAR(canvas().height(), before.height(), 2);
    EXPECT_NEAR(canvas().view().scale(), scale, 0.01);
}

TEST_F(WindowTest, KeysDoWhatTheMenuCommandsDo) {
    choose("START");
    // ← with no move to take back does nothing: a key never opens a box.
    QTest::keyClick(window.get(), Qt::Key_Left);
    ASSERT_EQ(answerer.seen.size(), 1u);

    click(7, 7);
    click(7, 6);
    ASSERT_EQ(game->g.moveNumber, 1);
    QTest::keyClick(window.get(), Qt::Key_Left);
    EXPECT_EQ(game->g.moveNumber, 0);
    EXPECT_EQ(game->pos.board[7][7], -10);
    QTest::keyClick(window.get(), Qt::Key_Right);
    EXPECT_EQ(game->g.moveNumber, 1);
    EXPECT_EQ(game->pos.board[7][6], -10);

    QTest::keyClick(window.get(), Qt::Key_M);
    EXPECT_TRUE(game->muted);
    QTest::keyClick(window.get(), Qt::Key_M);
    EXPECT_FALSE(game->muted);

    // Home and End step to either end of the game; the game stays.
    QTest::keyClick(window.get(), Qt::Key_Home);
    EXPECT_EQ(game->g.moveNumber, 0);
    EXPECT_EQ(game->g.sideToMove, 1);
    QTest::keyClick(window.get(), Qt::Key_End);
    EXPECT_EQ(game->g.moveNumber, 1);
    EXPECT_EQ(game->pos.board[7][6], -10);

    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_TRUE(window->windowState() & Qt::WindowFullScreen);
    QTest::keyClick(window.get(), Qt::Key_F11);
    EXPECT_FALSE(window->windowState() & Qt::WindowFullScreen);
}

}  // namespace
