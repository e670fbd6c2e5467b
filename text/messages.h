#pragma once
// The catalogue of the texts the player reads: every message box (text and
// title), menu caption, label, notice and status text the game shows, each
// under a message id. A text may hold named placeholders ("{winner}") that
// the caller fills with 文言 (text/wording.h); a sentence is never put
// together from pieces, so that a translation can order its words freely.
//
// What goes into files is not taken from here (a record file, the settings
// file, notation written into a record): a file reads the same whatever the
// language of the game.
//
// Each text has a stable id (what Qt's translation files key on) and its
// Japanese source text. Translations come from the platform's Translator;
// 調査_文言表 checks any translator's texts against this table.
#include <cstdint>
#include <span>
#include <string_view>

namespace xantu {

enum class Msg : std::uint16_t {
    // Menu captions, in the order of the menu table.
    MenuTaikyoku,
    MenuNewGame,
    MenuMatchMan,
    MenuStart,
    MenuStart2,
    MenuSente,
    MenuGote,
    MenuLevel,
    MenuLevel1,
    MenuLevel2,
    MenuLevel3,
    MenuLevel4,
    MenuStrength,
    MenuTouryou,
    MenuMatta,
    MenuHint,
    MenuOwari,
    MenuStop,
    MenuCancel,
    MenuReverse,
    MenuReplay,
    MenuAfter,
    MenuLevelUp,
    MenuLevelDown,
    MenuKifu,
    MenuKifuRead,
    MenuKifuWrite,
    MenuKifWrite,
    MenuKifRead,
    MenuCsaWrite,
    MenuCsaRead,
    MenuKifCopy,
    MenuSfenCopy,
    MenuPaste,
    MenuKaiseki,
    MenuKaisekiStart,
    MenuKaiseki05,
    MenuKaiseki1,
    MenuKaiseki3,
    MenuOption,
    MenuHaikeiGa,
    MenuMidori,
    MenuTatami,
    MenuTake,
    MenuUchu,
    MenuRenga,
    MenuSidou,
    MenuKeika,
    MenuBgm,
    MenuKifuList,
    MenuKiki,
    MenuNariKakunin,
    MenuKentou,
    MenuKeisei,
    MenuJikan,
    MenuVer,

    // The strengths of LEVEL4, weakest first (also the captions of their menu items).
    StrengthNyuumon,
    StrengthShokyuu,
    StrengthChuukyuu,
    StrengthJoukyuu,
    StrengthSaikyou,

    // The program, the sides and whose turn it is.
    AppTitle,
    AboutText,
    SideSente,
    SideGote,
    TurnSente,
    TurnGote,
    TurnMan,

    // Titles of message boxes.
    TitleGame,
    TitleStart,
    TitleOver,
    TitleRecord,
    TitleResumeCom,
    TitleEnd,
    TitlePromote,
    TitleMate,
    TitleResign,
    TitleTakeBack,
    TitleBack,
    TitleForward,
    TitleReverse,
    TitleHandicap,
    TitleConfirm,
    TitleRecordWrite,
    TitleKifWrite,
    TitleKifRead,
    TitleCsaWrite,
    TitleCsaRead,
    TitleKifCopy,
    TitlePaste,
    TitleAnalysis,
    TitleSave,
    TitleResume,
    TitleSettings,
    TitleError,

    // Clicks on the board that start nothing, and the ends of a game.
    StartGameFirst,
    StartNewGame,
    StepThroughRecord,
    ComToMove,
    UseRightButton,
    YouWin,
    ComputerWins,
    SideWins,
    SideWinsOnTime,
    ResultLine,
    EndKingTaken,
    EndMated,
    EndNoMove,
    EndResigned,
    EndTimeUp,
    EndIllegalMove,
    EndEngineFailed,
    EngineNotRegistered,
    EngineNoStart,
    EngineNoHandshake,
    EngineTimeout,
    EngineCrashed,
    EngineLineTooLong,
    EngineIllegalMove,
    EngineResigned,
    EngineNoAnswer,
    ComputerMates,
    ComputerChecks,
    NotInGame,
    AskResign,
    NothingToTakeBack,
    AskAbandon,
    AskLeave,

    // Stepping through the moves, turning the board and the handicap ladder.
    CannotStep,
    RecordEnds,
    AskReverse,
    RefusedInRecordMode,
    RefusedMidGame,
    RefusedAfterReverse,
    HandicapRefused,

    // Record files, KIF, CSA and the clipboard.
    RecordWriteAfterReverse,
    RecordWriteAfterHandicap,
    RecordRead,
    AskLoadRecord,
    KifHasNoMoves,
    CsaHasNoMoves,
    ClipboardEmpty,
    PositionPasted,
    RecordTimeControl,
    SuggestedKifName,
    SuggestedCsaName,
    KifFilter,
    CsaFilter,
    SuggestedDiagramName,
    DiagramFilter,

    // Keeping the unfinished game and the settings, and why a file could not be written.
    CannotKeepGame,
    CannotSaveSettings,
    WriteNoSpace,
    WriteNotAllowed,
    WriteReadOnly,
    WriteFolderInTheWay,
    WriteNoFolder,
    WriteFailed,
    ResumeCannotOpen,
    ResumeCannotOpenSetAside,
    ResumeNewer,
    ResumeBroken,
    ResumeBrokenSetAside,
    ResumeBrokenAskPrevious,
    ResumeBrokenSetAsideAskPrevious,
    ResumeAsk,
    ResumeCannotDelete,
    ResumeCannotDeleteSetAside,

    // Texts drawn beside and below the board.
    Thinking,
    LevelLabel,
    MoveCounterLabel,
    ClockByoyomi,
    TurnBadge,
    UnsavedBadge,
    InfluenceLegend,
    MoveListHeading,
    StartPosition,
    StopButton,
    StudyPaused,
    StudyOver,
    StudyThinking,
    StudyHead,
    StudyHeadWithSpeed,
    StudyLine,
    StudyLineMore,
    ScoreSenteWins,
    ScoreGoteWins,
    AnalysisNoMoves,
    AnalysisAfterGame,
    GraphCaption,
    GraphMove,
    GraphMistake,
    GraphScore,
    GraphAnalysing,

    // The handicap ladder: its label, and its ranks from ladder level −10 to +10.
    HandicapLabel,
    RankMeijin,
    RankDan8,
    RankDan7,
    RankDan6,
    RankDan5,
    RankDan4,
    RankDan3,
    RankDan2,
    RankShodan,
    RankKyu1,
    RankKyu2,
    RankKyu3,
    RankKyu4,
    RankKyu5,
    RankKyu6,
    RankKyu7,
    RankKyu8,
    RankKyu9,
    RankKyu10,
    RankKyu11,
    RankKyu12,
    HandicapEven,
    HandicapLowerLacks,
    HandicapUpperLacks,

    // The 新規対局 and 持ち時間 dialogs.
    NewGameTitle,
    NewGameOpponent,
    NewGameComputer,
    NewGameTwoHumans,
    NewGameSide,
    NewGameLevel,
    NewGameHandicap,
    NewGameTime,
    TimeTitle,
    TimeMainColumn,
    TimePeriodColumn,
    TimeMan,
    TimeCom,
    TimeNone,
    TimeByoyomi,
    TimeIncrement,
    TimeMinutesSuffix,
    TimeSecondsSuffix,
    TimeFromNextGame,

    // The record-file panel.
    PanelEvent,
    PanelSente,
    PanelGote,
    PanelFileName,
    PanelReturn,
    DeviceNotReady,

    // Sound.
    SoundWarningTitle,
    SoundCannotOpen,

    Count
};

struct MessageDef {
    Msg msg;
    std::string_view id;        // stable text id, e.g. "game.side-wins"
    std::string_view japanese;  // the source text
    // The names its placeholders use, separated by spaces ("winner reason").
    std::string_view placeholders = {};
};

// Every message, in the order of Msg.
std::span<const MessageDef> allMessages();
const MessageDef& messageDef(Msg m);

}  // namespace xantu
