#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <random>

#include "canvas_widget.h"
#include "dialog_answerer.h"
#include "file_panel_widget.h"
#include "font_faces.h"
#include "message_dialogs.h"
#include "picture_names.h"
#include "timer_clock.h"

using namespace xantu;

namespace {

TEST(MessageDialogs, AnswersWithTheGamesValuesAndShowsLines) {
    DialogAnswerer answerer;
    MessageDialogs dialogs(nullptr);
    answerer.script({QMessageBox::No, QMessageBox::Yes});
    EXPECT_EQ(dialogs.messageBox("棋譜を '進 'で進めて下さい", "棋譜", MsgButtons::YesNo, false), kMsgNo);
    EXPECT_EQ(dialogs.messageBox("a", "b", MsgButtons::YesNo, false), kMsgYes);
    EXPECT_EQ(dialogs.messageBox("一行目\r二行目\r\n三行目", "", MsgButtons::Ok, true), kMsgOk);
    ASSERT_EQ(answerer.seen.size(), 3u);
    EXPECT_EQ(answerer.seen[0].title, QStringLiteral("棋譜"));
    EXPECT_TRUE(answerer.seen[0].buttons.contains(QStringLiteral("はい(&Y)")));
    EXPECT_TRUE(answerer.seen[0].buttons.contains(QStringLiteral("いいえ(&N)")));
    EXPECT_FALSE(answerer.seen[0].warning);
    EXPECT_EQ(answerer.seen[2].text, QStringLiteral("一行目\n二行目\n三行目"));
    EXPECT_EQ(answerer.seen[2].title, QStringLiteral(" "));
    EXPECT_TRUE(answerer.seen[2].warning);
    EXPECT_EQ(answerer.seen[2].buttons.size(), 1);

    // A short text under a longer title: the box leaves the title room beside
    // a title bar's icon and buttons.
    dialogs.messageBox("OKですか？", "再開(COM)", MsgButtons::Ok, false);
    ASSERT_EQ(answerer.seen.size(), 4u);
    EXPECT_GE(answerer.seen[3].width, answerer.seen[3].titleWidth + 120);
}

TEST(PictureNames, CoverEveryPieceAndNothingElse) {
    EXPECT_EQ(pictureName(-10), "SITA_HU_0");
    EXPECT_EQ(pictureName(-11), "SITA_HU_1");
    EXPECT_EQ(pictureName(101), "UE_GIN_1");
    EXPECT_EQ(pictureName(-110), "SITA_KIN");
    EXPECT_EQ(pictureName(950), "UE_OU");
    EXPECT_EQ(pictureName(-901), "SITA_SYA_1");
    EXPECT_EQ(pictureName(0), "KARA_MASU");
    EXPECT_EQ(pictureName(1), "XANTUSHOGI");
    EXPECT_EQ(pictureName(9), "HAIKEI_KI");
    for (int code : {6, 111, -111, 951, -951, 12, 99, -1, 10000}) EXPECT_EQ(pictureName(code), "") << code;
}

TEST(Canvas, OutlinesShareEdgesAndTextIsAnchoredAtItsTop) {
    CanvasWidget canvas;
    canvas.setBackColour(0);
    canvas.drawBox(12, 1050, 100, 1545, 715, 15);  // cell (0, 0)
    canvas.drawBox(14, 1545, 100, 2040, 715, 15);  // cell (1, 0): its left edge is the first box's right edge
    EXPECT_EQ(canvas.pixelAt(70, 20), QColor(255, 0, 0));
    EXPECT_EQ(canvas.pixelAt(103, 20), QColor(255, 255, 0));
    EXPECT_EQ(canvas.pixelAt(136, 48), QColor(255, 255, 0));
    EXPECT_EQ(canvas.pixelAt(85, 20), QColor(0, 0, 0));  // unfilled

    // The text's top is at y: the glyph's ink starts where the face's own
    // metrics put it below that top, whichever face is installed.
    canvas.printText("九", 3000, 3000, 12, true, 15);
    const QFontMetrics metrics(CanvasWidget::printFont(12, true));
    const QRect glyph = metrics.tightBoundingRect(QStringLiteral("九"));
    const int inkTop = 200 + metrics.ascent() + glyph.top();
    int firstInk = -1;
    for (int y = 190; y < 200 + metrics.height() && firstInk < 0; ++y)
        for (int x = 200 + glyph.left(); x <= 200 + glyph.right() && firstInk < 0; ++x)
            if (canvas.pixelAt(x, y) != QColor(0, 0, 0)) firstInk = y;
    EXPECT_NEAR(firstInk, inkTop, 1);
    EXPECT_EQ(QFontInfo(QFont(QStringLiteral("ＭＳ Ｐ明朝"))).family(), QStringLiteral("IPAPMincho"));
}

// The list of drawing calls drops what later pictures hide, so that a long
// game does not make it grow without end. A game-like mess of calls, the
// whole drawing made again at another scale: what shows must be the same
// pixels as with every call kept.
TEST(Canvas, PruningTheDrawingCallsChangesNoPixel) {
    CanvasWidget pruned, full;
    full.setPruning(false);
    std::mt19937 rng(7);
    const auto r = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    for (CanvasWidget* c : {&pruned, &full}) c->setBackColour(2);
    for (int i = 0; i < 4000; ++i) {
        const double x = 1050 + 495 * (r(13) - 2), y = 100 + 615 * (r(12) - 1);
        const int kind = r(10), colour = r(16), tile = 7 + r(3), piece = r(2) ? -10 : 0;
        for (CanvasWidget* c : {&pruned, &full}) {
            if (kind < 5)
                c->paintPicture(kind == 0 ? tile : piece, x, y);
            else if (kind < 8)
                c->drawBox(colour, x, y, x + 495, y + 615, kind == 7 ? 45 : 15);
            else if (kind == 8)
                c->printText("歩", x + 100, y + 100, 12, true, colour);
            else
                c->drawPolyline(colour, {{x, y}, {x + 495, y + 300}, {x + 200, y + 615}}, 30, i % 2 == 0);
        }
    }
    EXPECT_LT(pruned.drawCallsKept(), full.drawCallsKept() / 4);
    for (const QSize size : {QSize(613, 533), QSize(920, 800)}) {
        for (CanvasWidget* c : {&pruned, &full}) c->resize(size);
        for (CanvasWidget* c : {&pruned, &full}) c->redrawAll();
        EXPECT_EQ(pruned.image(), full.image()) << size.width();
    }
}

// Qt falls back to another face without a word when a family is missing:
// name the package that should have installed it.
TEST(Fonts, EveryFamilyTheProgramAsksForIsInstalled) {
    const QStringList installed = QFontDatabase::families();
    for (const FontFace& face : kFontFaces)
        EXPECT_TRUE(installed.contains(QString::fromUtf8(face.family)))
            << "font family " << face.family << " is not installed: install the package " << face.package
            << " (scripts/setup.sh)";
}

// The clock on a time source that moves only when a wait pauses, and the
// timer fired by hand: the wait holds ticks back and ends on time.
TEST(TimerClock, TicksAndWaitsWithoutTicking) {
    double time = 86399.0;
    TimerClockQt* clockPtr = nullptr;
    int firedInWait = 0;
    TimerClockQt clock({[&] { return time; },
                        [&](double seconds) {
                            time += seconds;
                            if (time >= 86400.0) time -= 86400.0;
                            clockPtr->fire();  // the timer comes due during the wait
                            ++firedInWait;
                        }});
    clockPtr = &clock;
    int ticks = 0;
    QObject::connect(&clock, &TimerClockQt::tick, [&] { ++ticks; });
    EXPECT_EQ(clock.intervalMs(), 50);
    clock.setTimerEnabled(true);
    EXPECT_TRUE(clock.timerEnabled());

    clock.wait(0.12);
    EXPECT_GE(firedInWait, 12);
    EXPECT_EQ(ticks, 0);
    EXPECT_NEAR(time, 86399.12, 0.011);
    clock.fire();
    EXPECT_EQ(ticks, 1);

    // Midnight passes during a wait: the reading wraps, and the wait ends
    // there instead of waiting for a day.
    time = 86399.995;
    clock.wait(0.5);
    EXPECT_LT(time, 0.05);
    clock.setTimerEnabled(false);
    EXPECT_FALSE(clock.timerEnabled());
}

class FilePanelTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(tmp.isValid());
        QDir(tmp.path()).mkdir(QStringLiteral("sub"));
        for (const char* name : {"対局1.棋譜", "memo.txt", "sub/二局.棋譜"}) {
            QFile f(tmp.filePath(QString::fromUtf8(name)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        }
        surface.resize(613, 533);
        surface.show();
        panel.setFolder(tmp.path());
    }
    QStringList items(QListWidget* list) {
        QStringList s;
        for (int i = 0; i < list->count(); ++i) s << list->item(i)->text();
        return s;
    }

    QTemporaryDir tmp;
    QWidget surface;
    DialogAnswerer answerer;
    MessageDialogs dialogs{nullptr};
    FilePanelWidget panel{&surface, dialogs};
};

TEST_F(FilePanelTest, ListsRecordFilesAndWalksFolders) {
    panel.setListsVisible(true, true, true);
    EXPECT_TRUE(panel.fileList()->isVisible());
    EXPECT_FALSE(panel.returnButton()->isVisible());
    EXPECT_EQ(panel.fileList()->geometry(), QRect(16, 152, 169, 62));
    EXPECT_EQ(items(panel.fileList()), QStringList{QStringLiteral("対局1.棋譜")});
    EXPECT_TRUE(items(panel.folderList()).contains(QStringLiteral("..")));
    EXPECT_TRUE(items(panel.folderList()).contains(QStringLiteral("sub")));

    QSignalSpy clicked(&panel, &FilePanelWidget::fileClicked);
    QListWidget* files = panel.fileList();
    QTest::mouseClick(files->viewport(), Qt::LeftButton, {}, files->visualItemRect(files->item(0)).center());
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked[0][0].toString(), QDir(tmp.path()).canonicalPath() + QStringLiteral("/対局1.棋譜"));

    QListWidget* folders = panel.folderList();
    const auto sub = folders->findItems(QStringLiteral("sub"), Qt::MatchExactly);
    ASSERT_EQ(sub.size(), 1);
    folders->setFocus();
    folders->setCurrentItem(sub[0]);
    QTest::keyClick(folders, Qt::Key_Return);
    EXPECT_EQ(QString::fromStdString(panel.folder()), QDir(tmp.filePath(QStringLiteral("sub"))).canonicalPath());
    EXPECT_EQ(items(panel.fileList()), QStringList{QStringLiteral("二局.棋譜")});
}

TEST_F(FilePanelTest, TextBoxesButtonAndDriveThatIsNotReady) {
    panel.setIoVisible(true);
    EXPECT_TRUE(panel.returnButton()->isVisible());
    EXPECT_EQ(panel.returnButton()->text(), QStringLiteral("RETURN"));
    panel.setText(2, "名人戦");
    panel.textBox(1)->setText(QStringLiteral("第一局"));
    EXPECT_EQ(panel.text(2), "名人戦");
    EXPECT_EQ(panel.text(1), "第一局");
    EXPECT_EQ(panel.textBox(1)->geometry().topLeft(), QPoint(64, 208));
    QSignalSpy returned(&panel, &FilePanelWidget::returnClicked);
    QTest::mouseClick(panel.returnButton(), Qt::LeftButton);
    EXPECT_EQ(returned.count(), 1);
    panel.setIoVisible(false);
    EXPECT_FALSE(panel.textBox(4)->isVisible());

    const std::string before = panel.folder();
    panel.driveList()->addItem(QStringLiteral("gone"), QStringLiteral("/no/such/volume"));
    panel.chooseDrive(panel.driveList()->count() - 1);
    ASSERT_EQ(answerer.seen.size(), 1u);
    EXPECT_EQ(answerer.seen[0].text, QStringLiteral("ﾃﾞﾊﾞｲｽが準備できていません"));
    EXPECT_EQ(answerer.seen[0].title, QStringLiteral("ｴﾗｰ"));
    EXPECT_EQ(panel.folder(), before);
    EXPECT_NE(panel.driveList()->currentText(), QStringLiteral("gone"));
}

}  // namespace
