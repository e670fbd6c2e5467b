#include "text/messages.h"

#include <cstddef>
#include <iterator>

#include "text/trid_marker.h"

namespace xantu {
namespace {

// One entry per message, in the order of Msg. The `//%` line above each
// entry repeats its Japanese text for Qt's lupdate, which collects the ids
// with the text of that comment as their source (a test checks the two agree).
// clang-format off
constexpr MessageDef kMessages[] = {
    // Menu captions, in the order of the menu table.
    //% "対局"
    {Msg::MenuTaikyoku, QT_TRID_NOOP("menu.taikyoku"), "対局"},
    //% "新規対局…"
    {Msg::MenuNewGame, QT_TRID_NOOP("menu.new-game"), "新規対局…"},
    //% "対局(人間)"
    {Msg::MenuMatchMan, QT_TRID_NOOP("menu.match-man"), "対局(人間)"},
    //% "スタート"
    {Msg::MenuStart, QT_TRID_NOOP("menu.start"), "スタート"},
    //% "対局(COM)"
    {Msg::MenuStart2, QT_TRID_NOOP("menu.start2"), "対局(COM)"},
    //% "先手"
    {Msg::MenuSente, QT_TRID_NOOP("menu.sente"), "先手"},
    //% "後手"
    {Msg::MenuGote, QT_TRID_NOOP("menu.gote"), "後手"},
    //% "COM対局ﾚﾍﾞﾙ"
    {Msg::MenuLevel, QT_TRID_NOOP("menu.level"), "COM対局ﾚﾍﾞﾙ"},
    //% "LEVEL1"
    {Msg::MenuLevel1, QT_TRID_NOOP("menu.level1"), "LEVEL1"},
    //% "LEVEL2"
    {Msg::MenuLevel2, QT_TRID_NOOP("menu.level2"), "LEVEL2"},
    //% "LEVEL3"
    {Msg::MenuLevel3, QT_TRID_NOOP("menu.level3"), "LEVEL3"},
    //% "LEVEL4"
    {Msg::MenuLevel4, QT_TRID_NOOP("menu.level4"), "LEVEL4"},
    //% "LEVEL4の強さ"
    {Msg::MenuStrength, QT_TRID_NOOP("menu.strength"), "LEVEL4の強さ"},
    //% "投了"
    {Msg::MenuTouryou, QT_TRID_NOOP("menu.touryou"), "投了"},
    //% "待った"
    {Msg::MenuMatta, QT_TRID_NOOP("menu.matta"), "待った"},
    //% "ヒント"
    {Msg::MenuHint, QT_TRID_NOOP("menu.hint"), "ヒント"},
    //% "終わり"
    {Msg::MenuOwari, QT_TRID_NOOP("menu.owari"), "終わり"},
    //% "局面"
    {Msg::MenuStop, QT_TRID_NOOP("menu.stop"), "局面"},
    //% "最初"
    {Msg::MenuCancel, QT_TRID_NOOP("menu.cancel"), "最初"},
    //% "反転"
    {Msg::MenuReverse, QT_TRID_NOOP("menu.reverse"), "反転"},
    //% "戻"
    {Msg::MenuReplay, QT_TRID_NOOP("menu.replay"), "戻"},
    //% "進"
    {Msg::MenuAfter, QT_TRID_NOOP("menu.after"), "進"},
    //% "△"
    {Msg::MenuLevelUp, QT_TRID_NOOP("menu.lbel-up"), "△"},
    //% "▽"
    {Msg::MenuLevelDown, QT_TRID_NOOP("menu.lebel-down"), "▽"},
    //% "棋譜"
    {Msg::MenuKifu, QT_TRID_NOOP("menu.kifu"), "棋譜"},
    //% "読込"
    {Msg::MenuKifuRead, QT_TRID_NOOP("menu.kifu-read"), "読込"},
    //% "書込"
    {Msg::MenuKifuWrite, QT_TRID_NOOP("menu.kifu-write"), "書込"},
    //% "KIF書出し"
    {Msg::MenuKifWrite, QT_TRID_NOOP("menu.kif-write"), "KIF書出し"},
    //% "KIF読込"
    {Msg::MenuKifRead, QT_TRID_NOOP("menu.kif-read"), "KIF読込"},
    //% "CSA書出し"
    {Msg::MenuCsaWrite, QT_TRID_NOOP("menu.csa-write"), "CSA書出し"},
    //% "CSA読込"
    {Msg::MenuCsaRead, QT_TRID_NOOP("menu.csa-read"), "CSA読込"},
    //% "棋譜をコピー"
    {Msg::MenuKifCopy, QT_TRID_NOOP("menu.kif-copy"), "棋譜をコピー"},
    //% "局面をコピー"
    {Msg::MenuSfenCopy, QT_TRID_NOOP("menu.sfen-copy"), "局面をコピー"},
    //% "貼り付け"
    {Msg::MenuPaste, QT_TRID_NOOP("menu.paste"), "貼り付け"},
    //% "棋譜解析"
    {Msg::MenuKaiseki, QT_TRID_NOOP("menu.kaiseki"), "棋譜解析"},
    //% "解析開始"
    {Msg::MenuKaisekiStart, QT_TRID_NOOP("menu.kaiseki-start"), "解析開始"},
    //% "1手 0.5秒"
    {Msg::MenuKaiseki05, QT_TRID_NOOP("menu.kaiseki-05"), "1手 0.5秒"},
    //% "1手 1秒"
    {Msg::MenuKaiseki1, QT_TRID_NOOP("menu.kaiseki-1"), "1手 1秒"},
    //% "1手 3秒"
    {Msg::MenuKaiseki3, QT_TRID_NOOP("menu.kaiseki-3"), "1手 3秒"},
    //% "ｵﾌﾟｼｮﾝ"
    {Msg::MenuOption, QT_TRID_NOOP("menu.option"), "ｵﾌﾟｼｮﾝ"},
    //% "背景画"
    {Msg::MenuHaikeiGa, QT_TRID_NOOP("menu.haikei-ga"), "背景画"},
    //% "ペカナ"
    {Msg::MenuMidori, QT_TRID_NOOP("menu.midori"), "ペカナ"},
    //% "畳"
    {Msg::MenuTatami, QT_TRID_NOOP("menu.tatami"), "畳"},
    //% "竹"
    {Msg::MenuTake, QT_TRID_NOOP("menu.take"), "竹"},
    //% "宇宙"
    {Msg::MenuUchu, QT_TRID_NOOP("menu.uchu"), "宇宙"},
    //% "煉瓦"
    {Msg::MenuRenga, QT_TRID_NOOP("menu.renga"), "煉瓦"},
    //% "移動指導"
    {Msg::MenuSidou, QT_TRID_NOOP("menu.sidou"), "移動指導"},
    //% "経過時間"
    {Msg::MenuKeika, QT_TRID_NOOP("menu.keika"), "経過時間"},
    //% "BGM"
    {Msg::MenuBgm, QT_TRID_NOOP("menu.bgm"), "BGM"},
    //% "棋譜表示"
    {Msg::MenuKifuList, QT_TRID_NOOP("menu.kifu-list"), "棋譜表示"},
    //% "利き表示"
    {Msg::MenuKiki, QT_TRID_NOOP("menu.kiki"), "利き表示"},
    //% "成・不成を確認"
    {Msg::MenuNariKakunin, QT_TRID_NOOP("menu.nari-kakunin"), "成・不成を確認"},
    //% "検討"
    {Msg::MenuKentou, QT_TRID_NOOP("menu.kentou"), "検討"},
    //% "形勢グラフ"
    {Msg::MenuKeisei, QT_TRID_NOOP("menu.keisei"), "形勢グラフ"},
    //% "持ち時間…"
    {Msg::MenuJikan, QT_TRID_NOOP("menu.jikan"), "持ち時間…"},
    //% "その他"
    {Msg::MenuVer, QT_TRID_NOOP("menu.ver"), "その他"},

    // The strengths of LEVEL4, weakest first (also the captions of their menu items).
    //% "入門"
    {Msg::StrengthNyuumon, QT_TRID_NOOP("strength.nyuumon"), "入門"},
    //% "初級"
    {Msg::StrengthShokyuu, QT_TRID_NOOP("strength.shokyuu"), "初級"},
    //% "中級"
    {Msg::StrengthChuukyuu, QT_TRID_NOOP("strength.chuukyuu"), "中級"},
    //% "上級"
    {Msg::StrengthJoukyuu, QT_TRID_NOOP("strength.joukyuu"), "上級"},
    //% "最強"
    {Msg::StrengthSaikyou, QT_TRID_NOOP("strength.saikyou"), "最強"},

    // The program, the sides and whose turn it is.
    //% "Xantu ペカナ将棋"
    {Msg::AppTitle, QT_TRID_NOOP("app.title"), "Xantu ペカナ将棋"},
    //% "Xantu ペカナ将棋  Version 1.0    [05/2001]\rMIT ライセンス\r設定ﾌｧｲﾙの場所: {folder}\r"
    //% "棋譜ﾌｧｲﾙの場所: 「棋譜」の「書込」で選んだﾌｫﾙﾀﾞ"
    {Msg::AboutText, QT_TRID_NOOP("app.about"),
     "Xantu ペカナ将棋  Version 1.0    [05/2001]\rMIT ライセンス\r設定ﾌｧｲﾙの場所: {folder}\r"
     "棋譜ﾌｧｲﾙの場所: 「棋譜」の「書込」で選んだﾌｫﾙﾀﾞ",
     "folder"},
    //% "先手"
    {Msg::SideSente, QT_TRID_NOOP("side.sente"), "先手"},
    //% "後手"
    {Msg::SideGote, QT_TRID_NOOP("side.gote"), "後手"},
    //% "先手の番です"
    {Msg::TurnSente, QT_TRID_NOOP("turn.sente"), "先手の番です"},
    //% "後手の番です"
    {Msg::TurnGote, QT_TRID_NOOP("turn.gote"), "後手の番です"},
    //% "MANの番です"
    {Msg::TurnMan, QT_TRID_NOOP("turn.man"), "MANの番です"},

    // Titles of message boxes.
    //% "対局"
    {Msg::TitleGame, QT_TRID_NOOP("title.game"), "対局"},
    //% "開始"
    {Msg::TitleStart, QT_TRID_NOOP("title.start"), "開始"},
    //% "終局"
    {Msg::TitleOver, QT_TRID_NOOP("title.over"), "終局"},
    //% "棋譜"
    {Msg::TitleRecord, QT_TRID_NOOP("title.record"), "棋譜"},
    //% "再開(COM)"
    {Msg::TitleResumeCom, QT_TRID_NOOP("title.resume-com"), "再開(COM)"},
    //% "終了"
    {Msg::TitleEnd, QT_TRID_NOOP("title.end"), "終了"},
    //% "成り"
    {Msg::TitlePromote, QT_TRID_NOOP("title.promote"), "成り"},
    //% "詰め ?"
    {Msg::TitleMate, QT_TRID_NOOP("title.mate"), "詰め ?"},
    //% "投了"
    {Msg::TitleResign, QT_TRID_NOOP("title.resign"), "投了"},
    //% "待った"
    {Msg::TitleTakeBack, QT_TRID_NOOP("title.take-back"), "待った"},
    //% "戻る"
    {Msg::TitleBack, QT_TRID_NOOP("title.back"), "戻る"},
    //% "進む"
    {Msg::TitleForward, QT_TRID_NOOP("title.forward"), "進む"},
    //% "反転"
    {Msg::TitleReverse, QT_TRID_NOOP("title.reverse"), "反転"},
    //% "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"
    {Msg::TitleHandicap, QT_TRID_NOOP("title.handicap"), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"},
    //% "確認"
    {Msg::TitleConfirm, QT_TRID_NOOP("title.confirm"), "確認"},
    //% "棋譜書込"
    {Msg::TitleRecordWrite, QT_TRID_NOOP("title.record-write"), "棋譜書込"},
    //% "棋譜保存"
    {Msg::TitleRecordSave, QT_TRID_NOOP("title.record-save"), "棋譜保存"},
    //% "  "
    {Msg::TitleBlank, QT_TRID_NOOP("title.blank"), "  "},
    //% "KIF書出し"
    {Msg::TitleKifWrite, QT_TRID_NOOP("title.kif-write"), "KIF書出し"},
    //% "KIF読込"
    {Msg::TitleKifRead, QT_TRID_NOOP("title.kif-read"), "KIF読込"},
    //% "CSA書出し"
    {Msg::TitleCsaWrite, QT_TRID_NOOP("title.csa-write"), "CSA書出し"},
    //% "CSA読込"
    {Msg::TitleCsaRead, QT_TRID_NOOP("title.csa-read"), "CSA読込"},
    //% "棋譜をコピー"
    {Msg::TitleKifCopy, QT_TRID_NOOP("title.kif-copy"), "棋譜をコピー"},
    //% "貼り付け"
    {Msg::TitlePaste, QT_TRID_NOOP("title.paste"), "貼り付け"},
    //% "棋譜解析"
    {Msg::TitleAnalysis, QT_TRID_NOOP("title.analysis"), "棋譜解析"},
    //% "保存"
    {Msg::TitleSave, QT_TRID_NOOP("title.save"), "保存"},
    //% "再開"
    {Msg::TitleResume, QT_TRID_NOOP("title.resume"), "再開"},
    //% "設定"
    {Msg::TitleSettings, QT_TRID_NOOP("title.settings"), "設定"},
    //% "ｴﾗｰ"
    {Msg::TitleError, QT_TRID_NOOP("title.error"), "ｴﾗｰ"},

    // Clicks on the board that start nothing, and the ends of a game.
    //% "「対局」で始めて下さい"
    {Msg::StartGameFirst, QT_TRID_NOOP("game.start-first"), "「対局」で始めて下さい"},
    //% "新規に対局してください"
    {Msg::StartNewGame, QT_TRID_NOOP("game.start-new"), "新規に対局してください"},
    //% "棋譜を '進 'で進めて下さい"
    {Msg::StepThroughRecord, QT_TRID_NOOP("game.step-through-record"), "棋譜を '進 'で進めて下さい"},
    //% "OKですか？"
    {Msg::ComToMove, QT_TRID_NOOP("game.com-to-move"), "OKですか？"},
    //% "マウスの右をクリックして下さい"
    {Msg::UseRightButton, QT_TRID_NOOP("game.use-right-button"), "マウスの右をクリックして下さい"},
    //% "あなたの勝ちです"
    {Msg::YouWin, QT_TRID_NOOP("game.you-win"), "あなたの勝ちです"},
    //% "ｺﾝﾋﾟｭｰﾀの勝ちです"
    {Msg::ComputerWins, QT_TRID_NOOP("game.computer-wins"), "ｺﾝﾋﾟｭｰﾀの勝ちです"},
    //% "{winner}の勝ちです"
    {Msg::SideWins, QT_TRID_NOOP("game.side-wins"), "{winner}の勝ちです", "winner"},
    //% "時間切れで{winner}の勝ちです"
    {Msg::SideWinsOnTime, QT_TRID_NOOP("game.side-wins-on-time"), "時間切れで{winner}の勝ちです", "winner"},
    //% "{winner}の勝ち（{reason}）"
    {Msg::ResultLine, QT_TRID_NOOP("game.result-line"), "{winner}の勝ち（{reason}）", "winner reason"},
    //% "王を取る"
    {Msg::EndKingTaken, QT_TRID_NOOP("end.king-taken"), "王を取る"},
    //% "詰み"
    {Msg::EndMated, QT_TRID_NOOP("end.mated"), "詰み"},
    //% "指し手なし"
    {Msg::EndNoMove, QT_TRID_NOOP("end.no-move"), "指し手なし"},
    //% "投了"
    {Msg::EndResigned, QT_TRID_NOOP("end.resigned"), "投了"},
    //% "時間切れ"
    {Msg::EndTimeUp, QT_TRID_NOOP("end.time-up"), "時間切れ"},
    //% "反則"
    {Msg::EndIllegalMove, QT_TRID_NOOP("end.illegal-move"), "反則"},
    //% "エンジン異常"
    {Msg::EndEngineFailed, QT_TRID_NOOP("end.engine-failed"), "エンジン異常"},
    //% "エンジン「{engine}」は登録されていません"
    {Msg::EngineNotRegistered, QT_TRID_NOOP("engine.not-registered"), "エンジン「{engine}」は登録されていません", "engine"},
    //% "エンジン「{engine}」を起動できません"
    {Msg::EngineNoStart, QT_TRID_NOOP("engine.no-start"), "エンジン「{engine}」を起動できません", "engine"},
    //% "エンジン「{engine}」が対局の準備に応答しません"
    {Msg::EngineNoHandshake, QT_TRID_NOOP("engine.no-handshake"), "エンジン「{engine}」が対局の準備に応答しません", "engine"},
    //% "エンジン「{engine}」が時間内に指し手を返しません"
    {Msg::EngineTimeout, QT_TRID_NOOP("engine.timeout"), "エンジン「{engine}」が時間内に指し手を返しません", "engine"},
    //% "エンジン「{engine}」が終了しました"
    {Msg::EngineCrashed, QT_TRID_NOOP("engine.crashed"), "エンジン「{engine}」が終了しました", "engine"},
    //% "エンジン「{engine}」の出力が長すぎます"
    {Msg::EngineLineTooLong, QT_TRID_NOOP("engine.line-too-long"), "エンジン「{engine}」の出力が長すぎます", "engine"},
    //% "エンジン「{engine}」の指し手 {move} は指せない手です"
    {Msg::EngineIllegalMove, QT_TRID_NOOP("engine.illegal-move"), "エンジン「{engine}」の指し手 {move} は指せない手です", "engine move"},
    //% "エンジン「{engine}」が投了しました"
    {Msg::EngineResigned, QT_TRID_NOOP("engine.resigned"), "エンジン「{engine}」が投了しました", "engine"},
    //% "エンジン「{engine}」が応答しません"
    {Msg::EngineNoAnswer, QT_TRID_NOOP("engine.no-answer"), "エンジン「{engine}」が応答しません", "engine"},
    //% "よし！!"
    {Msg::ComputerMates, QT_TRID_NOOP("game.computer-mates"), "よし！!"},
    //% "   ** 王手 **"
    {Msg::ComputerChecks, QT_TRID_NOOP("game.computer-checks"), "   ** 王手 **"},
    //% "対局中ではありません"
    {Msg::NotInGame, QT_TRID_NOOP("game.not-in-game"), "対局中ではありません"},
    //% "投了しますか？"
    {Msg::AskResign, QT_TRID_NOOP("game.ask-resign"), "投了しますか？"},
    //% "待ったできる手がありません"
    {Msg::NothingToTakeBack, QT_TRID_NOOP("game.nothing-to-take-back"), "待ったできる手がありません"},
    //% "対局を中止して最初に戻しますか？"
    {Msg::AskAbandon, QT_TRID_NOOP("game.ask-abandon"), "対局を中止して最初に戻しますか？"},
    //% "対局を中断して終了しますか？ (続きは次回再開できます)"
    {Msg::AskLeave, QT_TRID_NOOP("game.ask-leave"), "対局を中断して終了しますか？ (続きは次回再開できます)"},

    // Stepping through the moves, turning the board and the handicap ladder.
    //% "できません"
    {Msg::CannotStep, QT_TRID_NOOP("step.cannot"), "できません"},
    //% "終わり"
    {Msg::RecordEnds, QT_TRID_NOOP("step.record-ends"), "終わり"},
    //% "反転すると棋譜が消えます。よろしいですか？"
    {Msg::AskReverse, QT_TRID_NOOP("step.ask-reverse"), "反転すると棋譜が消えます。よろしいですか？"},
    //% "棋譜ﾓｰﾄﾞではできません"
    {Msg::RefusedInRecordMode, QT_TRID_NOOP("refused.record-mode"), "棋譜ﾓｰﾄﾞではできません"},
    //% "対局途中ではできません"
    {Msg::RefusedMidGame, QT_TRID_NOOP("refused.mid-game"), "対局途中ではできません"},
    //% "反転後ではできません"
    {Msg::RefusedAfterReverse, QT_TRID_NOOP("refused.after-reverse"), "反転後ではできません"},
    //% "{reason}\r\r局面→最初にして下さい"
    {Msg::HandicapRefused, QT_TRID_NOOP("handicap.refused"), "{reason}\r\r局面→最初にして下さい", "reason"},

    // Record files, KIF, CSA and the clipboard.
    //% "反転後は書き込みできません"
    {Msg::RecordWriteAfterReverse, QT_TRID_NOOP("record.write-after-reverse"), "反転後は書き込みできません"},
    //% "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"
    {Msg::RecordWriteAfterHandicap, QT_TRID_NOOP("record.write-after-handicap"), "ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません"},
    //% " 読み込みました"
    {Msg::RecordRead, QT_TRID_NOOP("record.read"), " 読み込みました"},
    //% "対局を中止して棋譜を読み込みますか？"
    {Msg::AskLoadRecord, QT_TRID_NOOP("record.ask-load"), "対局を中止して棋譜を読み込みますか？"},
    //% "KIFファイルに指し手がありません"
    {Msg::KifHasNoMoves, QT_TRID_NOOP("record.kif-no-moves"), "KIFファイルに指し手がありません"},
    //% "CSAファイルに指し手がありません"
    {Msg::CsaHasNoMoves, QT_TRID_NOOP("record.csa-no-moves"), "CSAファイルに指し手がありません"},
    //% "クリップボードに棋譜も局面もありません"
    {Msg::ClipboardEmpty, QT_TRID_NOOP("record.clipboard-empty"), "クリップボードに棋譜も局面もありません"},
    //% "局面を貼り付けました"
    {Msg::PositionPasted, QT_TRID_NOOP("record.position-pasted"), "局面を貼り付けました"},
    //% "局面を読み込みました"
    {Msg::PositionLoaded, QT_TRID_NOOP("record.position-loaded"), "局面を読み込みました"},
    //% "持ち時間：{time}"
    {Msg::RecordTimeControl, QT_TRID_NOOP("record.time-control"), "持ち時間：{time}", "time"},
    //% "棋譜.kif"
    {Msg::SuggestedKifName, QT_TRID_NOOP("file.suggested-kif"), "棋譜.kif"},
    //% "棋譜.csa"
    {Msg::SuggestedCsaName, QT_TRID_NOOP("file.suggested-csa"), "棋譜.csa"},
    //% "KIF (*.kif *.kifu);;すべてのファイル (*)"
    {Msg::KifFilter, QT_TRID_NOOP("file.kif-filter"), "KIF (*.kif *.kifu);;すべてのファイル (*)"},
    //% "CSA (*.csa);;すべてのファイル (*)"
    {Msg::CsaFilter, QT_TRID_NOOP("file.csa-filter"), "CSA (*.csa);;すべてのファイル (*)"},
    //% "局面図"
    {Msg::SuggestedDiagramName, QT_TRID_NOOP("file.suggested-diagram"), "局面図"},
    //% "本の図 PNG (*.png);;本の図 SVG (*.svg);;画面の図 PNG (*.png);;画面の図 SVG (*.svg)"
    {Msg::DiagramFilter, QT_TRID_NOOP("file.diagram-filter"), "本の図 PNG (*.png);;本の図 SVG (*.svg);;画面の図 PNG (*.png);;画面の図 SVG (*.svg)"},

    // Reading a KIF, CSA or SFEN text: where it was refused, then why.
    //% "{line}行目「{text}」：{reason}"
    {Msg::RecordProblemAtLine, QT_TRID_NOOP("record.problem-at-line"), "{line}行目「{text}」：{reason}", "line text reason"},
    //% "{line}行目：{reason}"
    {Msg::RecordProblemAtLineNoText, QT_TRID_NOOP("record.problem-at-line-no-text"), "{line}行目：{reason}", "line reason"},
    //% "{move}手目「{text}」：{reason}"
    {Msg::RecordProblemAtMove, QT_TRID_NOOP("record.problem-at-move"), "{move}手目「{text}」：{reason}", "move text reason"},
    //% "ファイルが大きすぎます"
    {Msg::ProblemBytesTooLarge, QT_TRID_NOOP("record.problem.bytes-too-large"), "ファイルが大きすぎます"},
    //% "{format}ファイルが見つかりません"
    {Msg::ProblemFileNotFound, QT_TRID_NOOP("record.problem.file-not-found"), "{format}ファイルが見つかりません", "format"},
    //% "{format}ファイルが大きすぎます"
    {Msg::ProblemFileTooLarge, QT_TRID_NOOP("record.problem.file-too-large"), "{format}ファイルが大きすぎます", "format"},
    //% "{format}ファイルを読み込めません"
    {Msg::ProblemFileCannotRead, QT_TRID_NOOP("record.problem.file-cannot-read"), "{format}ファイルを読み込めません", "format"},
    //% "文字コードが正しくありません（UTF-8でもShift-JISでもありません）"
    {Msg::ProblemBadEncoding, QT_TRID_NOOP("record.problem.bad-encoding"), "文字コードが正しくありません（UTF-8でもShift-JISでもありません）"},
    //% "{format}ファイルではありません（制御文字があります）"
    {Msg::ProblemControlCharacter, QT_TRID_NOOP("record.problem.control-character"), "{format}ファイルではありません（制御文字があります）", "format"},
    //% "{format}ファイルが空です"
    {Msg::ProblemEmpty, QT_TRID_NOOP("record.problem.empty"), "{format}ファイルが空です", "format"},
    //% "KIFファイルに指し手も局面図もありません"
    {Msg::ProblemNoMovesNorBoard, QT_TRID_NOOP("record.problem.no-moves-nor-board"), "KIFファイルに指し手も局面図もありません"},
    //% "CSAファイルではありません（開始局面も指し手もありません）"
    {Msg::ProblemNotCsa, QT_TRID_NOOP("record.problem.not-csa"), "CSAファイルではありません（開始局面も指し手もありません）"},
    //% "局面の文字列が長すぎます"
    {Msg::ProblemSfenTooLong, QT_TRID_NOOP("record.problem.sfen-too-long"), "局面の文字列が長すぎます"},
    //% "局面が読めません（{detail}）"
    {Msg::ProblemSfenBadPosition, QT_TRID_NOOP("record.problem.sfen-bad-position"), "局面が読めません（{detail}）", "detail"},
    //% "局面の後ろに読めない文字があります「{text}」"
    {Msg::ProblemSfenTrailing, QT_TRID_NOOP("record.problem.sfen-trailing"), "局面の後ろに読めない文字があります「{text}」", "text"},
    //% "行が長すぎます"
    {Msg::ProblemLineTooLong, QT_TRID_NOOP("record.problem.line-too-long"), "行が長すぎます"},
    //% "読めない行です"
    {Msg::ProblemUnreadableLine, QT_TRID_NOOP("record.problem.unreadable-line"), "読めない行です"},
    //% "指し手の間に指し手でない行があります"
    {Msg::ProblemNotAMoveAmongMoves, QT_TRID_NOOP("record.problem.not-a-move-among-moves"), "指し手の間に指し手でない行があります"},
    //% "指し手の後に局面図があります"
    {Msg::ProblemBoardAfterMoves, QT_TRID_NOOP("record.problem.board-after-moves"), "指し手の後に局面図があります"},
    //% "局面図の段が読めません"
    {Msg::ProblemBadBoardRow, QT_TRID_NOOP("record.problem.bad-board-row"), "局面図の段が読めません"},
    //% "持駒が読めません"
    {Msg::ProblemBadHand, QT_TRID_NOOP("record.problem.bad-hand"), "持駒が読めません"},
    //% "この手合割は読めません"
    {Msg::ProblemUnknownHandicap, QT_TRID_NOOP("record.problem.unknown-handicap"), "この手合割は読めません"},
    //% "局面図の段の数が9ではありません"
    {Msg::ProblemBoardRowCount, QT_TRID_NOOP("record.problem.board-row-count"), "局面図の段の数が9ではありません"},
    //% "局面図の玉がそれぞれ1枚ではありません"
    {Msg::ProblemBoardKings, QT_TRID_NOOP("record.problem.board-kings"), "局面図の玉がそれぞれ1枚ではありません"},
    //% "局面図に動けない駒があります"
    {Msg::ProblemBoardStrandedPiece, QT_TRID_NOOP("record.problem.board-stranded-piece"), "局面図に動けない駒があります"},
    //% "局面図の駒の数が多すぎます"
    {Msg::ProblemBoardTooManyPieces, QT_TRID_NOOP("record.problem.board-too-many-pieces"), "局面図の駒の数が多すぎます"},
    //% "局面図が正しくありません"
    {Msg::ProblemBoardInvalid, QT_TRID_NOOP("record.problem.board-invalid"), "局面図が正しくありません"},
    //% "駒の名前が読めません"
    {Msg::ProblemBadPieceName, QT_TRID_NOOP("record.problem.bad-piece-name"), "駒の名前が読めません"},
    //% "移動元のマスが読めません"
    {Msg::ProblemBadOrigin, QT_TRID_NOOP("record.problem.bad-origin"), "移動元のマスが読めません"},
    //% "指し手の後ろに読めない文字があります"
    {Msg::ProblemTrailingText, QT_TRID_NOOP("record.problem.trailing-text"), "指し手の後ろに読めない文字があります"},
    //% "手数が順番どおりではありません"
    {Msg::ProblemMoveNumberOrder, QT_TRID_NOOP("record.problem.move-number-order"), "手数が順番どおりではありません"},
    //% "変化の手数が正しくありません"
    {Msg::ProblemBadVariation, QT_TRID_NOOP("record.problem.bad-variation"), "変化の手数が正しくありません"},
    //% "指し手が多すぎます"
    {Msg::ProblemTooManyMoves, QT_TRID_NOOP("record.problem.too-many-moves"), "指し手が多すぎます"},
    //% "玉が取られた後に指し手があります"
    {Msg::ProblemMoveAfterKingTaken, QT_TRID_NOOP("record.problem.move-after-king-taken"), "玉が取られた後に指し手があります"},
    //% "最初の指し手に「同」は使えません"
    {Msg::ProblemSameOnFirstMove, QT_TRID_NOOP("record.problem.same-on-first-move"), "最初の指し手に「同」は使えません"},
    //% "打つ駒に移動元があります"
    {Msg::ProblemDropWithOrigin, QT_TRID_NOOP("record.problem.drop-with-origin"), "打つ駒に移動元があります"},
    //% "移動元に手番の駒がありません"
    {Msg::ProblemNoOwnPieceAtOrigin, QT_TRID_NOOP("record.problem.no-own-piece-at-origin"), "移動元に手番の駒がありません"},
    //% "移動元の駒が指し手の駒と違います"
    {Msg::ProblemOriginPieceDiffers, QT_TRID_NOOP("record.problem.origin-piece-differs"), "移動元の駒が指し手の駒と違います"},
    //% "この駒は打てません"
    {Msg::ProblemCannotDropPiece, QT_TRID_NOOP("record.problem.cannot-drop-piece"), "この駒は打てません"},
    //% "その駒はそこへ動けません"
    {Msg::ProblemCannotMoveThere, QT_TRID_NOOP("record.problem.cannot-move-there"), "その駒はそこへ動けません"},
    //% "持駒にない駒は打てません"
    {Msg::ProblemDropNotInHand, QT_TRID_NOOP("record.problem.drop-not-in-hand"), "持駒にない駒は打てません"},
    //% "そこへは打てません"
    {Msg::ProblemCannotDropThere, QT_TRID_NOOP("record.problem.cannot-drop-there"), "そこへは打てません"},
    //% "どの駒が動いたのか分かりません（移動元を書いて下さい）"
    {Msg::ProblemAmbiguousMove, QT_TRID_NOOP("record.problem.ambiguous-move"), "どの駒が動いたのか分かりません（移動元を書いて下さい）"},
    //% "この駒は成れません"
    {Msg::ProblemCannotPromote, QT_TRID_NOOP("record.problem.cannot-promote"), "この駒は成れません"},
    //% "成らなければ動けない駒です"
    {Msg::ProblemMustPromote, QT_TRID_NOOP("record.problem.must-promote"), "成らなければ動けない駒です"},
    //% "駒の位置が読めません"
    {Msg::ProblemBadPiecePlace, QT_TRID_NOOP("record.problem.bad-piece-place"), "駒の位置が読めません"},
    //% "持駒に置けない駒です"
    {Msg::ProblemNotAHandPiece, QT_TRID_NOOP("record.problem.not-a-hand-piece"), "持駒に置けない駒です"},
    //% "開始局面の駒の数が多すぎます"
    {Msg::ProblemStartTooManyPieces, QT_TRID_NOOP("record.problem.start-too-many-pieces"), "開始局面の駒の数が多すぎます"},
    //% "同じマスに駒が二つあります"
    {Msg::ProblemTwoPiecesOnSquare, QT_TRID_NOOP("record.problem.two-pieces-on-square"), "同じマスに駒が二つあります"},
    //% "開始局面が二度書かれています"
    {Msg::ProblemStartTwice, QT_TRID_NOOP("record.problem.start-twice"), "開始局面が二度書かれています"},
    //% "落とす駒の位置が読めません"
    {Msg::ProblemBadRemovalSquare, QT_TRID_NOOP("record.problem.bad-removal-square"), "落とす駒の位置が読めません"},
    //% "落とす駒が初期配置にありません"
    {Msg::ProblemRemovalNotInLayout, QT_TRID_NOOP("record.problem.removal-not-in-layout"), "落とす駒が初期配置にありません"},
    //% "盤面の段が順番どおりではありません"
    {Msg::ProblemRowOrder, QT_TRID_NOOP("record.problem.row-order"), "盤面の段が順番どおりではありません"},
    //% "盤面の段が読めません"
    {Msg::ProblemBadRow, QT_TRID_NOOP("record.problem.bad-row"), "盤面の段が読めません"},
    //% "盤面の段の数が9ではありません"
    {Msg::ProblemRowCount, QT_TRID_NOOP("record.problem.row-count"), "盤面の段の数が9ではありません"},
    //% "開始局面に動けない駒があります"
    {Msg::ProblemStartStrandedPiece, QT_TRID_NOOP("record.problem.start-stranded-piece"), "開始局面に動けない駒があります"},
    //% "開始局面の玉がそれぞれ1枚ではありません"
    {Msg::ProblemStartKings, QT_TRID_NOOP("record.problem.start-kings"), "開始局面の玉がそれぞれ1枚ではありません"},
    //% "開始局面が正しくありません"
    {Msg::ProblemStartInvalid, QT_TRID_NOOP("record.problem.start-invalid"), "開始局面が正しくありません"},
    //% "手番ではない側の指し手です"
    {Msg::ProblemNotSideToMove, QT_TRID_NOOP("record.problem.not-side-to-move"), "手番ではない側の指し手です"},
    //% "指し手のマスが読めません"
    {Msg::ProblemBadMoveSquares, QT_TRID_NOOP("record.problem.bad-move-squares"), "指し手のマスが読めません"},
    //% "指し手の前に消費時間があります"
    {Msg::ProblemTimeBeforeMove, QT_TRID_NOOP("record.problem.time-before-move"), "指し手の前に消費時間があります"},
    //% "一つの指し手に消費時間が二つあります"
    {Msg::ProblemTwoTimes, QT_TRID_NOOP("record.problem.two-times"), "一つの指し手に消費時間が二つあります"},
    //% "消費時間が読めません"
    {Msg::ProblemBadTime, QT_TRID_NOOP("record.problem.bad-time"), "消費時間が読めません"},
    //% "終局の表記が読めません"
    {Msg::ProblemBadEnding, QT_TRID_NOOP("record.problem.bad-ending"), "終局の表記が読めません"},
    //% "版の行は最初に書きます"
    {Msg::ProblemVersionNotFirst, QT_TRID_NOOP("record.problem.version-not-first"), "版の行は最初に書きます"},
    //% "このCSAの版は読めません"
    {Msg::ProblemUnknownVersion, QT_TRID_NOOP("record.problem.unknown-version"), "このCSAの版は読めません"},
    //% "棋譜情報の行が読めません"
    {Msg::ProblemBadInfoLine, QT_TRID_NOOP("record.problem.bad-info-line"), "棋譜情報の行が読めません"},
    //% "指し手の後に開始局面があります"
    {Msg::ProblemStartAfterMoves, QT_TRID_NOOP("record.problem.start-after-moves"), "指し手の後に開始局面があります"},
    //% "開始局面の行が読めません"
    {Msg::ProblemBadStartLine, QT_TRID_NOOP("record.problem.bad-start-line"), "開始局面の行が読めません"},
    //% "手番の行が二つあります"
    {Msg::ProblemTwoTurnLines, QT_TRID_NOOP("record.problem.two-turn-lines"), "手番の行が二つあります"},
    //% "指し手が読めません"
    {Msg::ProblemBadMove, QT_TRID_NOOP("record.problem.bad-move"), "指し手が読めません"},

    // Loading a game that was read, and writing KIF and CSA files.
    //% "{count}手を読み込みました"
    {Msg::RecordLoaded, QT_TRID_NOOP("record.loaded"), "{count}手を読み込みました", "count"},
    //% "{count}手を読み込みました（{ending}）"
    {Msg::RecordLoadedWithEnding, QT_TRID_NOOP("record.loaded-with-ending"), "{count}手を読み込みました（{ending}）", "count ending"},
    //% "KIFを書き出しました"
    {Msg::KifWritten, QT_TRID_NOOP("record.kif-written"), "KIFを書き出しました"},
    //% "CSAを書き出しました"
    {Msg::CsaWritten, QT_TRID_NOOP("record.csa-written"), "CSAを書き出しました"},
    //% "書き出す指し手がありません"
    {Msg::NoMovesToWrite, QT_TRID_NOOP("record.no-moves-to-write"), "書き出す指し手がありません"},
    //% "棋譜の指し手を読み取れないため書き出せません"
    {Msg::MovesUnreadable, QT_TRID_NOOP("record.moves-unreadable"), "棋譜の指し手を読み取れないため書き出せません"},
    //% "Shift-JISで書けない文字があります\r名前の終わりを .kifu にするとUTF-8で書き出せます"
    {Msg::KifNotCp932, QT_TRID_NOOP("record.kif-not-cp932"), "Shift-JISで書けない文字があります\r名前の終わりを .kifu にするとUTF-8で書き出せます"},
    //% "KIFファイルを書き込めません"
    {Msg::KifCannotWrite, QT_TRID_NOOP("record.kif-cannot-write"), "KIFファイルを書き込めません"},
    //% "CSAファイルを書き込めません"
    {Msg::CsaCannotWrite, QT_TRID_NOOP("record.csa-cannot-write"), "CSAファイルを書き込めません"},

    // Writing and reading record (.棋譜) files.
    //% "棋譜を書き込みました"
    {Msg::RecordFileWritten, QT_TRID_NOOP("record-file.written"), "棋譜を書き込みました"},
    //% "ﾌｧｲﾙ名が入力されていません"
    {Msg::RecordFileNoName, QT_TRID_NOOP("record-file.no-name"), "ﾌｧｲﾙ名が入力されていません"},
    //% "このﾌｧｲﾙ名では書き込めません"
    {Msg::RecordFileBadName, QT_TRID_NOOP("record-file.bad-name"), "このﾌｧｲﾙ名では書き込めません"},
    //% "保存するデータがありません"
    {Msg::RecordFileNoData, QT_TRID_NOOP("record-file.no-data"), "保存するデータがありません"},
    //% "対局名・先手・後手に書き込めない文字があります"
    {Msg::RecordFileBadHeaderText, QT_TRID_NOOP("record-file.bad-header-text"), "対局名・先手・後手に書き込めない文字があります"},
    //% "棋譜のデータが正しくないため書き込めません"
    {Msg::RecordFileInvalidEntry, QT_TRID_NOOP("record-file.invalid-entry"), "棋譜のデータが正しくないため書き込めません"},
    //% "棋譜ﾌｧｲﾙを書き込めません"
    {Msg::RecordFileCannotWrite, QT_TRID_NOOP("record-file.cannot-write"), "棋譜ﾌｧｲﾙを書き込めません"},
    //% "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"
    {Msg::RecordFileNoEntries, QT_TRID_NOOP("record-file.no-entries"), "棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません"},
    //% "棋譜ﾌｧｲﾙが見つかりません"
    {Msg::RecordFileNotFound, QT_TRID_NOOP("record-file.not-found"), "棋譜ﾌｧｲﾙが見つかりません"},
    //% "棋譜ﾌｧｲﾙを読み込めません"
    {Msg::RecordFileCannotRead, QT_TRID_NOOP("record-file.cannot-read"), "棋譜ﾌｧｲﾙを読み込めません"},
    //% "棋譜ﾌｧｲﾙが大きすぎます"
    {Msg::RecordFileTooLarge, QT_TRID_NOOP("record-file.too-large"), "棋譜ﾌｧｲﾙが大きすぎます"},
    //% "棋譜ﾌｧｲﾙではありません"
    {Msg::RecordFileNotRecord, QT_TRID_NOOP("record-file.not-record"), "棋譜ﾌｧｲﾙではありません"},
    //% "棋譜ﾌｧｲﾙに正しくない駒があります"
    {Msg::RecordFileBadPieceCode, QT_TRID_NOOP("record-file.bad-piece-code"), "棋譜ﾌｧｲﾙに正しくない駒があります"},
    //% "棋譜ﾌｧｲﾙの持駒の数が正しくありません"
    {Msg::RecordFileBadHandCount, QT_TRID_NOOP("record-file.bad-hand-count"), "棋譜ﾌｧｲﾙの持駒の数が正しくありません"},
    //% "棋譜ﾌｧｲﾙの局面が正しくありません"
    {Msg::RecordFileBadPosition, QT_TRID_NOOP("record-file.bad-position"), "棋譜ﾌｧｲﾙの局面が正しくありません"},
    //% "棋譜ﾌｧｲﾙの経過時間が正しくありません"
    {Msg::RecordFileBadClock, QT_TRID_NOOP("record-file.bad-clock"), "棋譜ﾌｧｲﾙの経過時間が正しくありません"},
    //% "棋譜ﾌｧｲﾙの局面が正しくありません\r\r{line}行目: {reason}"
    {Msg::RecordFileBadPositionAt, QT_TRID_NOOP("record-file.bad-position-at"), "棋譜ﾌｧｲﾙの局面が正しくありません\r\r{line}行目: {reason}", "line reason"},
    //% "王が片方に{found}枚あります（1枚まで）"
    {Msg::RecordFileKingCount, QT_TRID_NOOP("record-file.king-count"), "王が片方に{found}枚あります（1枚まで）", "found"},
    //% "{piece}が{found}枚あります（{allowed}枚まで）"
    {Msg::RecordFilePieceCount, QT_TRID_NOOP("record-file.piece-count"), "{piece}が{found}枚あります（{allowed}枚まで）", "piece found allowed"},

    // Keeping the unfinished game and the settings, and why a file could not be written.
    //% "対局を自動保存できません：{reason}"
    {Msg::CannotKeepGame, QT_TRID_NOOP("save.cannot-keep-game"), "対局を自動保存できません：{reason}", "reason"},
    //% "設定を保存できません：{reason}"
    {Msg::CannotSaveSettings, QT_TRID_NOOP("save.cannot-save-settings"), "設定を保存できません：{reason}", "reason"},
    //% "空き容量がありません"
    {Msg::WriteNoSpace, QT_TRID_NOOP("write.no-space"), "空き容量がありません"},
    //% "書き込みが許可されていません"
    {Msg::WriteNotAllowed, QT_TRID_NOOP("write.not-allowed"), "書き込みが許可されていません"},
    //% "読み取り専用の場所です"
    {Msg::WriteReadOnly, QT_TRID_NOOP("write.read-only"), "読み取り専用の場所です"},
    //% "同じ名前のフォルダがあります"
    {Msg::WriteFolderInTheWay, QT_TRID_NOOP("write.folder-in-the-way"), "同じ名前のフォルダがあります"},
    //% "保存先のフォルダがありません"
    {Msg::WriteNoFolder, QT_TRID_NOOP("write.no-folder"), "保存先のフォルダがありません"},
    //% "書き込みに失敗しました（{code}）"
    {Msg::WriteFailed, QT_TRID_NOOP("write.failed"), "書き込みに失敗しました（{code}）", "code"},
    //% "前回の対局を読めません（ファイルを開けません）\r{file}"
    {Msg::ResumeCannotOpen, QT_TRID_NOOP("resume.cannot-open"),
     "前回の対局を読めません（ファイルを開けません）\r{file}",
     "file"},
    //% "前回の対局を読めません（ファイルを開けません）\r{file} として残しました。"
    {Msg::ResumeCannotOpenSetAside, QT_TRID_NOOP("resume.cannot-open-set-aside"),
     "前回の対局を読めません（ファイルを開けません）\r{file} として残しました。",
     "file"},
    //% "新しい版で保存された対局です\r{file} はそのまま残し、この対局は保存しません。"
    {Msg::ResumeNewer, QT_TRID_NOOP("resume.newer"),
     "新しい版で保存された対局です\r{file} はそのまま残し、この対局は保存しません。",
     "file"},
    //% "前回の対局の記録が壊れています\r{file}"
    {Msg::ResumeBroken, QT_TRID_NOOP("resume.broken"), "前回の対局の記録が壊れています\r{file}", "file"},
    //% "前回の対局の記録が壊れています\r{file} として残しました。"
    {Msg::ResumeBrokenSetAside, QT_TRID_NOOP("resume.broken-set-aside"),
     "前回の対局の記録が壊れています\r{file} として残しました。",
     "file"},
    //% "前回の対局の記録が壊れています\r{file}\r一つ前の記録から再開しますか？\r最後の手が失われている可能性があります"
    {Msg::ResumeBrokenAskPrevious, QT_TRID_NOOP("resume.broken-ask-previous"),
     "前回の対局の記録が壊れています\r{file}\r一つ前の記録から再開しますか？\r最後の手が失われている可能性があります",
     "file"},
    //% "前回の対局の記録が壊れています\r{file} として残しました。\r一つ前の記録から再開しますか？\r"
    //% "最後の手が失われている可能性があります"
    {Msg::ResumeBrokenSetAsideAskPrevious, QT_TRID_NOOP("resume.broken-set-aside-ask-previous"),
     "前回の対局の記録が壊れています\r{file} として残しました。\r一つ前の記録から再開しますか？\r"
     "最後の手が失われている可能性があります",
     "file"},
    //% "前回の対局を続けますか？"
    {Msg::ResumeAsk, QT_TRID_NOOP("resume.ask"), "前回の対局を続けますか？"},
    //% "前回の対局を削除できませんでした（{reason}）\r{file}"
    {Msg::ResumeCannotDelete, QT_TRID_NOOP("resume.cannot-delete"),
     "前回の対局を削除できませんでした（{reason}）\r{file}",
     "reason file"},
    //% "前回の対局を削除できませんでした（{reason}）\r{file} として残しました。"
    {Msg::ResumeCannotDeleteSetAside, QT_TRID_NOOP("resume.cannot-delete-set-aside"),
     "前回の対局を削除できませんでした（{reason}）\r{file} として残しました。",
     "reason file"},

    // Texts drawn beside and below the board.
    //% "思考中"
    {Msg::Thinking, QT_TRID_NOOP("screen.thinking"), "思考中"},
    //% "LEVEL"
    {Msg::LevelLabel, QT_TRID_NOOP("screen.level"), "LEVEL"},
    //% "手目"
    {Msg::MoveCounterLabel, QT_TRID_NOOP("screen.move-counter"), "手目"},
    //% "秒読み{seconds}"
    {Msg::ClockByoyomi, QT_TRID_NOOP("screen.clock-byoyomi"), "秒読み{seconds}", "seconds"},
    //% "手番"
    {Msg::TurnBadge, QT_TRID_NOOP("screen.turn-badge"), "手番"},
    //% "未保存"
    {Msg::UnsavedBadge, QT_TRID_NOOP("screen.unsaved-badge"), "未保存"},
    //% "赤＝上手の利き　青＝下手の利き"
    {Msg::InfluenceLegend, QT_TRID_NOOP("screen.influence-legend"), "赤＝上手の利き　青＝下手の利き"},
    //% "棋譜"
    {Msg::MoveListHeading, QT_TRID_NOOP("screen.move-list-heading"), "棋譜"},
    //% "開始局面"
    {Msg::StartPosition, QT_TRID_NOOP("screen.start-position"), "開始局面"},
    //% "中止"
    {Msg::StopButton, QT_TRID_NOOP("screen.stop-button"), "中止"},
    //% "検討　COM対局の間は止めています"
    {Msg::StudyPaused, QT_TRID_NOOP("study.paused"), "検討　COM対局の間は止めています"},
    //% "検討　終局"
    {Msg::StudyOver, QT_TRID_NOOP("study.over"), "検討　終局"},
    //% "検討　読んでいます…"
    {Msg::StudyThinking, QT_TRID_NOOP("study.thinking"), "検討　読んでいます…"},
    //% "検討　評価値 {score}　深さ {depth}"
    {Msg::StudyHead, QT_TRID_NOOP("study.head"), "検討　評価値 {score}　深さ {depth}", "score depth"},
    //% "検討　評価値 {score}　深さ {depth}　{nps} 局面/秒"
    {Msg::StudyHeadWithSpeed, QT_TRID_NOOP("study.head-with-speed"),
     "検討　評価値 {score}　深さ {depth}　{nps} 局面/秒",
     "score depth nps"},
    //% "読み筋 {moves}"
    {Msg::StudyLine, QT_TRID_NOOP("study.line"), "読み筋 {moves}", "moves"},
    //% "　　　 {moves}"
    {Msg::StudyLineMore, QT_TRID_NOOP("study.line-more"), "　　　 {moves}", "moves"},
    //% "先手勝ち {plies}手"
    {Msg::ScoreSenteWins, QT_TRID_NOOP("score.sente-wins"), "先手勝ち {plies}手", "plies"},
    //% "後手勝ち {plies}手"
    {Msg::ScoreGoteWins, QT_TRID_NOOP("score.gote-wins"), "後手勝ち {plies}手", "plies"},
    //% "解析する指し手がありません"
    {Msg::AnalysisNoMoves, QT_TRID_NOOP("analysis.no-moves"), "解析する指し手がありません"},
    //% "対局が終わってから解析して下さい"
    {Msg::AnalysisAfterGame, QT_TRID_NOOP("analysis.after-game"), "対局が終わってから解析して下さい"},
    //% "形勢グラフ"
    {Msg::GraphCaption, QT_TRID_NOOP("graph.caption"), "形勢グラフ"},
    //% "{number}手目 {move}"
    {Msg::GraphMove, QT_TRID_NOOP("graph.move"), "{number}手目 {move}", "number move"},
    //% "{mark}　最善 {best}（損 {loss}）"
    {Msg::GraphMistake, QT_TRID_NOOP("graph.mistake"), "{mark}　最善 {best}（損 {loss}）", "mark best loss"},
    //% "　評価値 {score}"
    {Msg::GraphScore, QT_TRID_NOOP("graph.score"), "　評価値 {score}", "score"},
    //% "棋譜解析中 {done}/{total}"
    {Msg::GraphAnalysing, QT_TRID_NOOP("graph.analysing"), "棋譜解析中 {done}/{total}", "done total"},

    // The handicap ladder: its label, and its ranks from ladder level −10 to +10.
    //% "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:{rank}"
    {Msg::HandicapLabel, QT_TRID_NOOP("handicap.label"), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:{rank}", "rank"},
    //% "名人"
    {Msg::RankMeijin, QT_TRID_NOOP("handicap.rank-meijin"), "名人"},
    //% "８段"
    {Msg::RankDan8, QT_TRID_NOOP("handicap.rank-dan8"), "８段"},
    //% "７段"
    {Msg::RankDan7, QT_TRID_NOOP("handicap.rank-dan7"), "７段"},
    //% "６段"
    {Msg::RankDan6, QT_TRID_NOOP("handicap.rank-dan6"), "６段"},
    //% "５段"
    {Msg::RankDan5, QT_TRID_NOOP("handicap.rank-dan5"), "５段"},
    //% "４段"
    {Msg::RankDan4, QT_TRID_NOOP("handicap.rank-dan4"), "４段"},
    //% "３段"
    {Msg::RankDan3, QT_TRID_NOOP("handicap.rank-dan3"), "３段"},
    //% "２段"
    {Msg::RankDan2, QT_TRID_NOOP("handicap.rank-dan2"), "２段"},
    //% "初段"
    {Msg::RankShodan, QT_TRID_NOOP("handicap.rank-shodan"), "初段"},
    //% "１級"
    {Msg::RankKyu1, QT_TRID_NOOP("handicap.rank-kyu1"), "１級"},
    //% "２級"
    {Msg::RankKyu2, QT_TRID_NOOP("handicap.rank-kyu2"), "２級"},
    //% "３級"
    {Msg::RankKyu3, QT_TRID_NOOP("handicap.rank-kyu3"), "３級"},
    //% "４級"
    {Msg::RankKyu4, QT_TRID_NOOP("handicap.rank-kyu4"), "４級"},
    //% "５級"
    {Msg::RankKyu5, QT_TRID_NOOP("handicap.rank-kyu5"), "５級"},
    //% "６級"
    {Msg::RankKyu6, QT_TRID_NOOP("handicap.rank-kyu6"), "６級"},
    //% "７級"
    {Msg::RankKyu7, QT_TRID_NOOP("handicap.rank-kyu7"), "７級"},
    //% "８級"
    {Msg::RankKyu8, QT_TRID_NOOP("handicap.rank-kyu8"), "８級"},
    //% "９級"
    {Msg::RankKyu9, QT_TRID_NOOP("handicap.rank-kyu9"), "９級"},
    //% "10級"
    {Msg::RankKyu10, QT_TRID_NOOP("handicap.rank-kyu10"), "10級"},
    //% "11級"
    {Msg::RankKyu11, QT_TRID_NOOP("handicap.rank-kyu11"), "11級"},
    //% "12級"
    {Msg::RankKyu12, QT_TRID_NOOP("handicap.rank-kyu12"), "12級"},
    //% "{rank}（平手）"
    {Msg::HandicapEven, QT_TRID_NOOP("handicap.even"), "{rank}（平手）", "rank"},
    //% "{rank}（下側 {count}枚落ち）"
    {Msg::HandicapLowerLacks, QT_TRID_NOOP("handicap.lower-lacks"), "{rank}（下側 {count}枚落ち）", "rank count"},
    //% "{rank}（上側 {count}枚落ち）"
    {Msg::HandicapUpperLacks, QT_TRID_NOOP("handicap.upper-lacks"), "{rank}（上側 {count}枚落ち）", "rank count"},

    // The 新規対局 and 持ち時間 dialogs.
    //% "新規対局"
    {Msg::NewGameTitle, QT_TRID_NOOP("new-game.title"), "新規対局"},
    //% "対局相手"
    {Msg::NewGameOpponent, QT_TRID_NOOP("new-game.opponent"), "対局相手"},
    //% "コンピュータ"
    {Msg::NewGameComputer, QT_TRID_NOOP("new-game.computer"), "コンピュータ"},
    //% "人間（二人で対局）"
    {Msg::NewGameTwoHumans, QT_TRID_NOOP("new-game.two-humans"), "人間（二人で対局）"},
    //% "手番（盤の下側）"
    {Msg::NewGameSide, QT_TRID_NOOP("new-game.side"), "手番（盤の下側）"},
    //% "COMのﾚﾍﾞﾙ"
    {Msg::NewGameLevel, QT_TRID_NOOP("new-game.level"), "COMのﾚﾍﾞﾙ"},
    //% "ﾊﾝﾃﾞｨｷｬｯﾌﾟ"
    {Msg::NewGameHandicap, QT_TRID_NOOP("new-game.handicap"), "ﾊﾝﾃﾞｨｷｬｯﾌﾟ"},
    //% "持ち時間"
    {Msg::NewGameTime, QT_TRID_NOOP("new-game.time"), "持ち時間"},
    //% "持ち時間"
    {Msg::TimeTitle, QT_TRID_NOOP("time.title"), "持ち時間"},
    //% "持ち時間"
    {Msg::TimeMainColumn, QT_TRID_NOOP("time.main-column"), "持ち時間"},
    //% "秒読み・加算"
    {Msg::TimePeriodColumn, QT_TRID_NOOP("time.period-column"), "秒読み・加算"},
    //% "MAN（手前）"
    {Msg::TimeMan, QT_TRID_NOOP("time.man"), "MAN（手前）"},
    //% "COM（向こう）"
    {Msg::TimeCom, QT_TRID_NOOP("time.com"), "COM（向こう）"},
    //% "なし"
    {Msg::TimeNone, QT_TRID_NOOP("time.none"), "なし"},
    //% "秒読み"
    {Msg::TimeByoyomi, QT_TRID_NOOP("time.byoyomi"), "秒読み"},
    //% "加算"
    {Msg::TimeIncrement, QT_TRID_NOOP("time.increment"), "加算"},
    //% " 分"
    {Msg::TimeMinutesSuffix, QT_TRID_NOOP("time.minutes-suffix"), " 分"},
    //% " 秒"
    {Msg::TimeSecondsSuffix, QT_TRID_NOOP("time.seconds-suffix"), " 秒"},
    //% "次の対局から使われます。"
    {Msg::TimeFromNextGame, QT_TRID_NOOP("time.from-next-game"), "次の対局から使われます。"},

    // The record-file panel.
    //% "対 局 名："
    {Msg::PanelEvent, QT_TRID_NOOP("panel.event"), "対 局 名："},
    //% "先    手 ："
    {Msg::PanelSente, QT_TRID_NOOP("panel.sente"), "先    手 ："},
    //% "後    手 ："
    {Msg::PanelGote, QT_TRID_NOOP("panel.gote"), "後    手 ："},
    //% "ﾌｧｲﾙ名 ："
    {Msg::PanelFileName, QT_TRID_NOOP("panel.file-name"), "ﾌｧｲﾙ名 ："},
    //% "RETURN"
    {Msg::PanelReturn, QT_TRID_NOOP("panel.return"), "RETURN"},
    //% "ﾃﾞﾊﾞｲｽが準備できていません"
    {Msg::DeviceNotReady, QT_TRID_NOOP("panel.device-not-ready"), "ﾃﾞﾊﾞｲｽが準備できていません"},

    // Sound.
    //% "Xantuペカナ将棋.dll"
    {Msg::SoundWarningTitle, QT_TRID_NOOP("sound.warning-title"), "Xantuペカナ将棋.dll"},
    //% "Direct Soundインターフェースが作成できません。"
    {Msg::SoundCannotOpen, QT_TRID_NOOP("sound.cannot-open"), "Direct Soundインターフェースが作成できません。"},
};
// clang-format on

constexpr bool inOrder() {
    for (std::size_t i = 0; i < std::size(kMessages); ++i)
        if (static_cast<std::size_t>(kMessages[i].msg) != i) return false;
    return std::size(kMessages) == static_cast<std::size_t>(Msg::Count);
}
static_assert(inOrder(), "one entry per message, in the order of Msg");

}  // namespace

std::span<const MessageDef> allMessages() { return kMessages; }

const MessageDef& messageDef(Msg m) { return kMessages[static_cast<std::size_t>(m)]; }

}  // namespace xantu
