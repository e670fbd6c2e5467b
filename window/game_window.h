#pragma once
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "analysis/game_analysis.h"
#include "clock/clocks.h"
#include "computer/one_ply_search.h"
#include "computer/turn_state.h"
#include "core/game_state.h"
#include "core/player.h"
#include "core/position.h"
#include "core/score_view.h"
#include "display/move_list_panel.h"
#include "display/screen.h"
#include "display/study_strip.h"
#include "influence/influence_map.h"
#include "opponent/opponent.h"
#include "options/options.h"
#include "platform/platform.h"
#include "record/game_record.h"
#include "record/move_list.h"
#include "record/record_read.h"
#include "search/level4_player.h"
#include "sound/sound_module.h"
#include "text/wording.h"
#include "window/background_search.h"
#include "window/kept_game.h"

namespace xantu {

// The level of the strong search, after the one-ply levels 1..3.
inline constexpr int kStrongLevel = 4;
// How long the strong search thinks for one move, in milliseconds.
inline constexpr int kStrongThinkMs = 1000;
// On a clock, the strong search plans with this much less than it has.
// The computer's clock stops at the search's answer: the blink, the move,
// its sound and any box after it are not charged. So this covers only what
// the clock charges beyond the search's own time: before the search, the
// "思考中" drawing, the player made and its thread started; after the
// answer, the rest of the wait's slice with its painting and tick, the
// thread joined and the answer checked. Measured by BM_ComputerMoveOverhead
// (bench/qt: the real window, offscreen and under Xvfb, 613 × 533 and
// 3840 wide, alone and beside a two-job build, 25 moves each): 5-29 ms on
// average, worst 38 ms; the first move of a run, which also makes the
// search's table, up to 102 ms. About twice the worst.
inline constexpr int kStrongClockMarginMs = 200;
// Threads of the strong search: both cores of the machines the game is made for.
inline constexpr int kStrongThreads = 2;
// A hint: how long the strong search thinks, and how long its arrow stays.
inline constexpr int kHintThinkMs = 1000;
inline constexpr double kHintShowSeconds = 3;
// Keys that work as menu commands, and the key that mutes all sound.
enum class GameKey { Back, Forward, First, Last, TakeBack, Mute, Study, Hint };
// How a game ended.
enum class GameEnd {
    None,          // the game runs, or there is none
    KingTaken,     // a king was captured
    Mated,         // the computer cannot escape the human's mate
    NoMove,        // the computer has nothing left to move
    Resigned,      // the side to move resigned
    TimeUp,        // the side to move ran out of time
    IllegalMove,   // an outside engine answered with a move the rules refuse
    EngineFailed,  // an outside engine could not be started or stopped answering
};
// The words the result line gives for an ending ("王を取る", "投了", ...);
// `reason` is not None.
Msg 終局理由(GameEnd reason);

// The one window object: owns all game state and handles every event and
// menu command. It reaches the desktop only through the Platform.
class GameWindow {
public:
    explicit GameWindow(Platform& platform);
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // ---- Window events -------------------------------------------------
    void Form_Load();
    void Form_Unload();
    void Form_KeyPress(int KeyAscii);
    // Button 1 left, 2 right; X, Y in twips of the client area.
    void Form_MouseDown(int Button, int Shift, double X, double Y);
    // The mouse wheel turned by `steps` notches (positive: away from the
    // user) over X, Y in twips: over the move list it scrolls the list.
    void Form_MouseWheel(double X, double Y, int steps);
    void Timer1_Timer();
    // ← 戻 and → 進 as from the menu, but where the command would refuse with
    // a box the key only sounds; Home and End step to the first and the last
    // Position reached as 戻 and 進 would, one at a time; Backspace is 待った;
    // M mutes and unmutes; A is 検討 and H ヒント.
    void keyCommand(GameKey key);
    // Opening a menu (TAIKYOKU, MATCH_MAN, START2, LEVEL, STOP, KIFU, OPTION, HAIKEI_GA).
    void menuOpened(std::string_view name);
    // A menu item or a top-level command, by its name in the menu table.
    void menuCommand(std::string_view name);
    // Record-file panel: RETURN, and a click on a file of the list.
    void Command1_Click();
    void File1_Click(const std::string& fileName);
    // Set once the program should end (終わり, Esc, window closed).
    bool exitRequested() const { return exitRequested_; }

    // ---- The computer's turn -------------------------------------------
    // True from the moment the turn passes to the computer until its move is
    // drawn and the turn handed back, and during every wait. While busy, the
    // window throws away clicks, keys, menu commands and panel actions: input
    // made then never acts later. Esc, 終わり and closing the window are
    // remembered and end the program once the busy time is over.
    bool computerBusy() const { return busyDepth_ > 0; }
    // Marks the window busy for its lifetime (nestable).
    class BusyScope {
    public:
        explicit BusyScope(GameWindow& window);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        GameWindow& w_;
    };
    // Waits until `done` answers true (a search on another thread, say),
    // keeping the window painted and the clock display moving, busy all along.
    void waitWhileBusy(const std::function<bool()>& done);

    // ---- Menu handlers -------------------------------------------------
    void TAIKYOKU_Click();
    // 新規対局…: one dialog for the opponent, the side, the level and the
    // handicap; OK starts that game from the starting layout.
    void NEW_GAME_Click();
    void START_Click();
    void SENTE_Click();
    void GOTE_Click();
    void OWARI_Click();
    void LEVEL1_Click();
    void LEVEL2_Click();
    void LEVEL3_Click();
    void LEVEL4_Click();
    // The computer's opponent identity: a built-in level as レベル_設定 sets
    // it, or a registered engine (no level checked in the menus); kept in
    // the settings file and the kept game.
    void 対局相手_設定(const Opponent& who);
    // LEVEL4の強さ: the step of LEVEL4, STRENGTH1 (入門) .. STRENGTH5 (最強).
    void selectStrength(search::Strength s);
    void STOP_Click();
    void CANCEL_Click();
    void REVERSE_Click();
    void REPLAY_Click();
    void AFTER_Click();
    void LBEL_UP_Click();
    void LEBEL_DOWN_Click();
    void KIFU_READ_Click();
    void KIFU_WRITE_Click();
    // KIF書出し / KIF読込: the game (or the loaded record) as a KIF file.
    void KIF_WRITE_Click();
    void KIF_READ_Click();
    // CSA書出し / CSA読込: the same in CSA.
    void CSA_WRITE_Click();
    void CSA_READ_Click();
    // 棋譜をコピー puts the game on the clipboard as KIF, 局面をコピー the
    // Position shown as SFEN; 貼り付け loads a KIF, CSA or SFEN (with its
    // moves) from the clipboard as KIF読込 loads a file.
    void KIF_COPY_Click();
    void SFEN_COPY_Click();
    void PASTE_Click();
    void OPTION_Click();
    void MIDORI_Click();
    void TATAMI_Click();
    void TAKE_Click();
    void UCHU_Click();
    void RENGA_Click();
    void SIDOU_Click();
    void KEIKA_Click();
    void BGM_Click();
    void VER_Click();
    void KIFU_LIST_Click();
    void KIKI_Click();
    void NARI_KAKUNIN_Click();
    // 投了: the side to move resigns (after a question).
    void TOURYOU_Click();
    // 待った: takes back the computer's reply and the human's move before it.
    void MATTA_Click();
    void JIKAN_Click();

    // ---- The strong search beside the game ---------------------------------
    // 検討 turns the analysis of the Position on the board on or off. While
    // on, and while it may (see 検討可能), the strong search thinks about
    // that Position endlessly on a worker thread and starts again whenever
    // the Position changes; the panel below the board shows what it sees and
    // an arrow its best move.
    void KENTOU_Click();
    // ヒント: at the human's turn in a game against the computer, the strong
    // search thinks up to kHintThinkMs on a worker thread; its move is then
    // shown as an arrow for kHintShowSeconds. The game counts the hints.
    void HINT_Click();
    // 形勢グラフ shows or hides the graph of the scores below the board.
    void KEISEI_Click();
    // Every 50 ms beside Timer1 (also while Timer1 is off): takes the
    // searches' progress and shows it. Does nothing while the window is busy.
    void studyTick();
    // The analysis may search now: never while a game against the computer
    // is under way (it must not help the player), any time otherwise.
    bool 検討可能() const;
    // The search beside the game: p searched for the seat `side` within
    // `limits` until it answers or `stop`, telling progress through onInfo.
    // Left empty, a LEVEL4 of the window's own; tests put a stub here.
    std::function<Thought(const Position&, Side, const Limits&, const std::atomic<bool>&, const InfoSink&)> studyThink;
    StudyStrip studyStrip{screen};
    // 棋譜解析 → 解析開始: LEVEL4 analyses every Position of the game or the
    // record on the board, at the time per move checked in the same menu
    // (0.5 s unless chosen), on worker threads while the window stays usable.
    // The graph comes up and fills as the scores come in, under a progress
    // bar with a 中止 button; the move list marks the mistakes.
    void KAISEKI_START_Click();
    void KAISEKI_05_Click();
    void KAISEKI_1_Click();
    void KAISEKI_3_Click();
    // > 0: 棋譜解析 searches each Position to this depth instead of for a time.
    int analysisDepth = 0;
    // What 棋譜解析 found, one entry per Position of the game it analysed.
    std::vector<AnalysedPly> analysed;
    // The graph as the game on the board and the analysis give it.
    GraphView 作成_形勢グラフ() const;

    // ---- Procedures ----------------------------------------------------
    void 初期設定();
    void 画面_再描画();
    void 終了処理();
    void 駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
    void 描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒);
    void com_ban();
    void 待ち時間(double IN_秒);
    void 描画_駒点滅(int 入力_駒, int 入力_X, int 入力_Y, int 入力_点滅回数);
    void レベル_設定(int IN_LEVEL);
    void 描画_メッセージ(int IN_メッセージ番号);
    void チェック設定(int IN_背景種類);
    void 読込_環境設定ファイル();
    void 書込_環境設定ファイル();
    void 描画_可視(bool a, bool b, bool c);
    void 描画_棋譜_IO(int フラグ);
    void 描画_棋譜読込み部分消去();
    void 調査_移動結果(int IN_CNT, int& O_移動先X, int& O_移動先Y, int& O_移動駒種類) const;
    int 調査_持駒数(int IN_手番) const;
    // The squares of the move that led to the Position on the board.
    LastMove 調査_直前の手() const;
    // The move that led to Position `ply` (from 1) of the game the move list
    // reaches, as the record holds it; null where there is none.
    const Move* 記録の指し手(int ply) const;
    // Shows whose turn it is and the last move, as the state now says (and
    // the coordinates from the seat of the player at the bottom).
    void 描画_手番();
    // The same without the clocks, for the moment between a move being
    // recorded and the turn passing: the clocks read each move's time for
    // the side the turn says, so they wait until it has passed.
    void drawTurnMark();
    // Both clocks drawn again in a timed game, the side to move's highlighted.
    void drawTimedClocks();
    // The order value of the player at the bottom of the board, and the
    // labels and notation brought to that player's seat.
    int 調査_下側の手番() const;
    void 同期_視点();
    void toggleMute();

    // ---- The end of a game -----------------------------------------------
    // The one place a game ends: `winner` (the winner's order value) wins for
    // `reason`. The clocks stop, the kept unfinished game goes, the result
    // line is shown until a new game starts, and the end is announced, with
    // `why` (what happened, when given) as its first line.
    void endGame(int winner, GameEnd reason, const std::string& why = {});
    // How the game ended; None while it runs.
    GameEnd gameEnd = GameEnd::None;
    // "先手の勝ち（王を取る）" once a game has ended, else empty.
    std::string 結果行() const;
    // The promotion chooser on the board: open while a left-click move that
    // may promote waits for 成 or 不成.
    struct PromotionChooser {
        bool open = false;
        int promotedCode = 0, plainCode = 0;
        int promotedX = 0, promotedY = 0, plainX = 0, plainY = 0;
    } chooser;
    // Answers the chooser: makes the waiting move promoted or not.
    void choosePromotion(bool promote);
    // Puts a Position on the board as it stands and redraws the board and
    // both hands; the Position must pass its own check.
    void setPosition(const Position& p);

    // ---- The clocks of a timed game -------------------------------------
    // The time control of `side` (manSide or comSide) in this game.
    const TimeControl& 時計_持ち時間(int side) const;
    // Main time `side` has left at the Position shown, from the move list.
    double 調査_残り持ち時間(int side) const;
    // What `side`'s clock shows now (the running turn counted for the side to move).
    ClockReading 時計_読み(int side) const;
    // A clock: the countdown in a timed game, the counting-up total otherwise.
    void 描画_時計(int side);
    void 描画_両時計();
    // A new game takes the time controls of the options; a resumed one
    // those it was kept with.
    void 時計_開始();
    void 時計_開始(const TimeControls& control);
    // Whether a turn's start runs Timer1: 経過時間 is on or the game is timed.
    bool 時計を動かす() const;
    // True when `side`, having used `turnSeconds` this turn, is out of time.
    bool 時計_時間切れ(int side, double turnSeconds) const;
    // `loser` ran out of time: the game ends.
    void 時間切れ(int loser);

    // ---- The move-list panel and the influence overlay -----------------
    // Brings both up to date with the Position and the move list; `force`
    // draws the panel even where it already shows the same.
    void 描画_学習表示(bool force);
    // A click on row `row` of the move list: steps there with 戻 or 進, one
    // move at a time, and stops at the first refusal.
    void 棋譜一覧_Click(int row);
    // The width of the drawing area in twips: wider while the panel is shown
    // beside the board.
    double 画面幅() const;
    // The drawing surface now measures width × height (any unit: only the
    // shape counts). In a tall window the move list goes below the board.
    void Form_Resize(double width, double height);
    // The counts of the survey of the Position on the board.
    Screen::InfluenceCounts 調査_利き() const;
    // ---- The unfinished game kept across runs ---------------------------
    std::filesystem::path resumePath() const;
    // Keeps the game as it stands now for the next start, or removes what
    // was kept once nothing is left to continue.
    void 保存_対局();
    // The same for a state given as a value (the game as it will stand once
    // a box now shown is closed, say).
    void 保存_対局(const ResumeState& s);
    // The game as it stands now, as the unfinished-game file keeps it.
    ResumeState 再開状態() const;
    // At start-up, once the window is drawn: offers to continue the kept
    // game, restores it on Yes, discards it on No or when it is unusable.
    void 再開_確認();
    // Puts a kept game on the board as stepping through the moves would.
    void 適用_再開(const ResumeState& s);
    // Renames a kept file that cannot be used to "….unreadable-YYYYMMDD-HHMMSS"
    // beside it (the newest three stay); its new path, or empty when it
    // could not be renamed.
    std::string setAside(const std::filesystem::path& file);
    // A game kept by a newer version of the program is not written over.
    bool keepNewerGame_ = false;
    // The failure to keep the game was told for the game under way.
    bool saveFailureShown_ = false;
    // A failed write of the settings file was told in this run (each change
    // still tries to write it again).
    bool settingsFailureShown_ = false;
    // Tells of a failed settings write, once per run.
    void settingsWriteFailed(std::error_code why);
    // Why a file could not be written, in the player's words.
    std::string writeFailureReason(std::error_code ec) const;
    // A text of the catalogue as the platform shows it, its placeholders filled.
    std::string 文言(Msg m, std::initializer_list<TextArg> args = {}) const {
        return xantu::文言(plat.translator, m, args);
    }
    // A score as the screen shows it, from 先手's view ("+123", "先手勝ち 5手").
    std::string 評価値文言(const ScoreView& score) const;

    // ---- State (plain structs, public for the tests) -------------------
    Platform& plat;
    Position pos;
    GameState g;
    PawnFiles pawnFiles;
    InfluenceMap inf;
    TurnState turn;
    MoveList moves;
    // The game as a record: the moves made, with their times, as the files
    // write them. The move list's Positions follow its current line.
    GameRecord record;
    Options opt;
    Clocks clk;
    Screen screen;
    MoveListPanel movePanel{screen};
    // What a KIF file says about the game besides its moves: set when a game
    // starts and when a record is loaded.
    struct GameInfo {
        std::string startDateTime, event, senteName, goteName;
        // A record file names its players by where they sit.
        std::string upperName, lowerName;
        // For a loaded record: the lower side's order value when the file
        // says it (a KIF: +1), else 0; the winner the file names, else 0.
        int lowerSideOrder = 0;
        int winner = 0;
        // The KIF 持ち時間 text: of the game's clocks, or as a loaded KIF says it.
        std::string timeControl;
        // How many hints the human asked for in this game.
        int hints = 0;
    } gameInfo;
    SoundModule Module1;
    // The settings file; the current folder's unless the program or a test
    // points elsewhere. The unfinished game is kept beside it.
    std::string settingsPath = "Xantuペカナ将棋.ini";
    // The folder records were last read from or written to; empty until then.
    std::string recordFolder;
    // The strong search for one move on a worker thread: given the Position
    // (the computer to move, as the upper side) and a flag that asks it to
    // stop at once. Left empty, the window's own Searcher thinks for
    // kStrongThinkMs; tests put a stub here. An outside engine is never stubbed.
    std::function<Thought(const Position&, const std::atomic<bool>&)> strongThink;
    // The drawing area; a wider screen layout grows it before Form_Load.
    TwipsArea area;
    // The side the player chose last in 新規対局 (kept in the settings file).
    int preferredOrder = kSente;
    // The outside engines registered, by name (kept in the settings file).
    std::vector<RegisteredEngine> engines;
    // The step of LEVEL4 (its check mark under LEVEL4の強さ), kept in the
    // settings file.
    search::Strength strength_ = search::kFullStrength;
    // Where the window stood at the last end (kept in the settings file);
    // not valid before the first.
    WindowPlacement windowPlace;
    // All sound is off (the BGM setting is kept as it is).
    bool muted = false;
    // Sound handles; 0 = none.
    std::int32_t otherSound = 0, forbiddenSound = 0, pieceSound = 0, bgmSound = 0;
    // The tick of a clock's last seconds, loaded with the first timed game.
    std::int32_t tickSound = 0;

private:
    int message(const std::string& text, const std::string& title, MsgButtons buttons = MsgButtons::Ok);
    int message(Msg text, Msg title, MsgButtons buttons = MsgButtons::Ok);
    void play(std::int32_t handle);
    void hideRecordPanel(int ioMode);
    bool clickPreChecks(int& col, int& row, double X, double Y);
    void mouseDown(int Button, int Shift, double X, double Y);
    void writeRecordFromPanel();
    void readRecord(const std::string& fileName);
    void selectFromHand(int col, int row);
    void selectOnBoard(int col, int row);
    void dropOn(int col, int row, int Button);
    void commitMove(bool promote);
    void handOverAfterHumanMove(int captured);
    int moverOf(int k) const;
    // A game started, not over and not a viewed record.
    bool gameUnderWay() const;
    // Asks before a game with moves (or, with `recordToo`, a viewed record)
    // is given up; true when it may be.
    bool askToAbandon(bool recordToo);
    // Asks before the program ends with a game under way; true to end.
    bool askToLeave();
    // 待った from the menu (a box when refused) or the key (a sound only).
    void takeBack(bool fromKey);
    void openPromotionChooser(int promotedCode);
    void closePromotionChooser();
    void promotionChooserClick(double X, double Y);
    // Shows the box that gives a human the move and starts the turn's time
    // when it is closed; the timer runs if 経過時間 is on or `timerAlways`.
    void announceHumanTurn(const std::string& text, const std::string& title, bool timerAlways);
    // Seconds of the running turn, read from the clock now (also while the
    // elapsed-time display is off, so totals keep growing).
    double refreshTurnSeconds();
    // On a tick of a timed game: the countdown, its warning and a loss on time.
    void 時計_監視();
    // The clock runs: a timed game is being played and its turn is under way.
    bool 時計_進行中() const;
    void applyHandicapStep(int delta);
    void showRestoredPosition();
    void selectTheme(int theme, const char* item);
    void noteRecordFolder();
    void soundStartUp();
    // A click on the move-list panel's area (true), handled there.
    bool moveListMouseDown(double X, double Y);
    // After an event: the study displays follow what it changed.
    void afterEvent();
    void applyAreaWidth();
    // The shape of the drawing surface (0 until known) and the height to
    // width ratios past which the panel goes below the board and comes back.
    double viewWidth_ = 0, viewHeight_ = 0;
    bool layoutPending_ = false;
    // Places the panel for the shape of the drawing surface and draws
    // everything again when that moves it.
    void 配置_棋譜一覧();
    // Whether the panel belongs below the board in a surface of this shape.
    bool 調査_棋譜一覧を下に() const;
    static constexpr double kTallEnterRatio = 1.25;
    static constexpr double kTallLeaveRatio = 1.1;
    // The computer's move for the upper side. A player that does not answer
    // at once thinks on a worker thread while the window waits (and stays
    // painted), and is stopped at once when the program is asked to end.
    // An outside engine's failure comes back in the Thought.
    Thought computerThinks();
    // The player of an opponent: levels 1..3 made afresh on the game's own
    // state; LEVEL4 and an engine kept across moves (LEVEL4's table, the
    // engine's process) until another identity, step or command is asked for.
    Player& computerPlayer(const Opponent& who);
    // An outside engine's failure ends the game: its side loses, saying why.
    void エンジン反則(const Thought& failed);
    // The level display at the top left: the built-in level, nothing for an engine.
    void 描画_対局相手();
    // The check mark of the level menu item of the opponent, none for an engine.
    void markLevelMenu();
    static void tickClock(void* self);
    // The bounds of LEVEL4 or an outside engine: 1 s, or in a timed game the
    // computer's clock (and the human's, which an engine is told too).
    Limits 時計_探索制限() const;
    // Records the start time and the players of a new game for KIF files.
    void 対局情報設定();
    std::string 持ち時間見出し() const;
    // The file chooser for a KIF or CSA file, opened in the folder last used
    // for records; the folder of the file chosen becomes that folder.
    // KIF書出し and CSA書出し: the game written to a file the player chooses.
    void 書出し_棋譜(RecordFormat format);
    std::string chooseRecordFile(FileChoice kind, const std::string& title, const std::string& suggestedName,
                                 RecordFormat format);
    // The game (or the loaded record) as the KIF and CSA writers take it;
    // false when it has no move. `whole` is false when the list reaches
    // further than the record's moves (a record file whose Positions are not
    // all one move apart).
    bool 作成_書出し対局(GameRecord& game, bool& whole);
    // KIF読込 and CSA読込: a game file the player chooses, read as the
    // format it is (`menu` when the file does not say).
    void 読込_棋譜ファイル(RecordFormat menu);
    // Puts a game read from a KIF, CSA or SFEN text on the board as a record
    // to step through; `noMoves` is said when it holds only a Position.
    void 読込_対局(RecordRead& read, const std::string& title, const std::string& noMoves);
    // Records a move in the game record as it is made, with the clock values
    // its move-list entry gets: a move made where the game was stepped back
    // to replaces the moves that followed there.
    void 記録_指し手(const Move& m, const MoveClock& clock);
    // The lower side's order value (+1 when it is 先手) of the game shown.
    int lowerSideOrder() const;

    // What the analysis searches: a Position and the order value to move.
    struct StudyTarget {
        Position pos;
        int order = 0;
    };
    static bool sameTarget(const StudyTarget& a, const StudyTarget& b);
    StudyTarget studyTarget() const;
    // Starts, restarts or stops the analysis as the menu and the Position
    // ask, and shows its panel, the graph and the arrow.
    void 検討_追従(bool force);
    void 描画_検討パネル(bool force);
    void 描画_形勢グラフ(bool force);
    void 描画_矢印();
    // The best line of `info` on the target, in notation, and its first move.
    std::vector<std::string> 作成_読み筋(const StudyTarget& t, const std::string& pv, Move* first) const;
    // Searches with studyThink, or the window's own LEVEL4.
    BackgroundSearch::Work studyWork(const StudyTarget& t, const Limits& limits);
    bool studyMouseDown(double X, double Y);

    // The analysis belongs to the game listed (its moves, and maybe more
    // played since); otherwise it is dropped.
    bool analysisBelongs(const MoveListView& list) const;
    void 解析_追従();
    void selectAnalysisTime(int ms);
    std::unique_ptr<GameAnalysis> analysis_;
    std::vector<std::string> analysedMoves_;  // the moves of the game analysed
    GameRecord analysedRecord_;               // the game analysed
    int analysisProgress_ = -1;               // Positions done when last read
    int analysisMoveMs_ = 500;

    std::unique_ptr<Player> studyPlayer_;  // made at the first search beside the game
    BackgroundSearch study_, hint_;
    StudyTarget studyOn_;            // what study_ searches
    std::optional<Info> studyInfo_;  // its newest progress
    StudyTarget hintOn_;             // what hint_ searches
    bool hintWaiting_ = false;       // hint_ runs for the human's turn
    Move hintMove_;                  // the hint shown
    double hintShownAt_ = -1;        // when it was shown; < 0 none

    // LEVEL4 or an outside engine, made at its first turn, and what it was made for.
    std::unique_ptr<Player> keptPlayer_;
    Opponent keptPlayerFor_;
    search::Strength keptPlayerStrength_ = search::kFullStrength;
    RegisteredEngine keptPlayerEngine_;
    std::unique_ptr<Player> onePlyPlayer_;
    bool exitRequested_ = false;
    bool terminated_ = false;
    int busyDepth_ = 0;
    bool exitAfterBusy_ = false;
    bool steppingList_ = false;
    // The bottom player's order for the next new game of two humans.
    int startLowerOrder_ = kSente;
};

}  // namespace xantu
