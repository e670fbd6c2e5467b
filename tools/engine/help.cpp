// The text of xantu-engine --help.
#include "tools/engine/commands.h"

namespace xantu::engine {

const char* const kHelpText = R"(xantu-engine: Xantu ペカナ将棋の局面を調べ、コンピュータに指させる道具
使い方: xantu-engine コマンド [引数…]
SFEN を取るところでは、どこでも "startpos"（平手の初期局面）と書けます。
局面の読み違いや引数の誤りは、標準エラーに一行の説明を出して終了コード 2。

  moves SFEN
      手番の側の指せる手を生成順に一行ずつ:  FX FY TX TY CODE USI
      （駒打ちは FX = 11（下手）か -1（上手）、FY = 持ち駒の種類 1..7。CODE は移動後の駒コード）
  survey SFEN
      勢力調査の 14 枚の表（表の名前の行と 9 行 × 9 数）、最後に  manKing X Y / comKing X Y
  think [--level N] [--trace] [--terms] SFEN
      上手のコンピュータ（LEVEL N = 1..3、既定 3）が選ぶ手:
      commated 0|1、--trace で候補ごとに  cand FX FY TX TY P SCORE、
      最後に  best FX FY TX TY P SCORE USI  か  best none。--terms は評価の項目を標準エラーへ
  bench [--level N]
      組み込みの局面集を考えさせる。局面ごとに  NUMBER USI-MOVE SCORE CANDIDATES MICROSECONDS、
      最後に positions / candidates / surveys / evaluations / signature / time_ms / candidates_per_second。
      --level 4 は LEVEL4 の探索を一定の深さで: 局面ごとに  NUMBER USI-MOVE SCORE NODES MICROSECONDS、
      最後に positions / nodes / signature / time_ms / cpu_time_ms / nodes_per_second（CPU 時間あたり）
  go [--depth N] [--nodes N] [--movetime MS] SFEN
      手番の側を LEVEL4 で一回探索する（指定なしは 1000 ms）。反復ごとに
      info depth D seldepth S score cp|mate N nodes N nps N time MS pv …、最後に  bestmove USI|resign
  perft SFEN DEPTH [divide]
      LEVEL4 の指し手生成で DEPTH 手先までの局面数。divide は初手ごとの数も出す
  mate [--movetime MS] SFEN
      詰み探索: 手番の側が王手の連続で相手の玉を取れるか（既定 10000 ms）。探索ごとに
      info bound B result mate|none|open plies N nodes N time MS、最後の行は
      mate N 手順…（N は玉を取る手までの手数）か  nomate（王手が尽きて詰みなし）か  unknown（時間切れなど）
  selfplay [--level N] [--games G] [--seed S] [--positions]
      コンピュータ同士の対局: 対局ごとに  game / moves: USI… / result / final SFEN、
      最後に games / upper_wins / lower_wins / unfinished / moves / time_ms / ms_per_move
  kif [--encoding cp932|utf8] FILE
      棋譜ファイル（.棋譜）、KIF（.kif/.kifu）か CSA（.csa）の対局を、この将棋の KIF にして標準出力へ
      （既定は UTF-8、--encoding cp932 で Shift-JIS）
  sfen FILE
      KIF（.kif/.kifu）か CSA（.csa）の対局の各局面を開始から終局まで一行ずつ:  BOARD SIDE HANDS MOVENUMBER
  analyse [--movetime MS|--depth N] [--threads N] [--json|--kif] FILE
      棋譜解析: 棋譜ファイル（.棋譜）、KIF か CSA の対局の全局面を LEVEL4 で探索する（既定は一局面 500 ms、
      スレッドは CPU の数）。局面ごとにタブ区切りで  局面番号（0 が開始、N は N 手目の後）/ 先手から見た評価値
      （+123、先手勝ち N手）/ 最善手 / 指された手 / その手の損失（指した側から見て最善手との差）/ 印
      （300 以上 "?"、800 以上 "??"）。最後に  mistakes: K  と悪手ごとに  手数 / 指し手 / 損失 / 印 / 最善手。
      --json は同じ内容を JSON で、--kif は対局を KIF にして各手の後に評価値の注釈行 "*評価値 N" を入れる
  resume-info FILE
      残された中断対局（.resume）の中身を一行ずつ:  status ok / moves / record-length / last-entry /
      side-to-move（先手|後手）/ human-side（先手|後手、人間同士は both）/ opponent / level /
      engine（外部エンジンが相手のときだけ、その登録名）/ handicap / flipped / record-mode / clocks /
      sfen（手番は盤の下側なら b）。
      ゲームが受け付けないファイルは標準エラーに理由（not-found, cannot-read, other-format,
      newer-version, broken, inconsistent）を出して終了コード 2
  usi
      標準入出力で USI プロトコルを話す（usi, isready, setoption name Level value 1..4,
      setoption name USI_Hash value MB, setoption name Threads value N（LEVEL4 の探索スレッド数）,
      usinewgame, position startpos|sfen … [moves …],
      go depth|nodes|movetime|btime wtime byoyomi binc winc|infinite, stop, quit）。
      Level 1..3 は think と同じ手（下手番では盤を回して考える）、4 は LEVEL4 の探索
  match --engine1 CMD --engine2 CMD --openings FILE [オプション…]
      二つの USI エンジンを、開始局面ごとに先後を入れ替えて二局ずつ対戦させ、指し手を審判する
      （反則手・投了・異常終了・時間切れは負け、玉を取ったら勝ち、同一局面四回か手数上限は引き分け）。
      FILE は一行に一つ  startpos [moves …]  か  sfen SFEN [moves …]（# で始まる行は注釈）。
        --option1 / --option2 / --option NAME=VALUE   setoption（--option は両方へ）
        --go1 / --go2 / --go ARGS     go に付ける指定（既定 "movetime 1000"）
        --rounds R (1)  --max-plies N (400)  --concurrency N (1)  --move-timeout MS (60000)
        --tc MAIN+INC | MAINbBYO   持ち時間（秒）と加算か秒読み（"10+0.1"、"60b5"）: go は
                                   btime wtime binc winc か byoyomi になり、時間を越えた手は時間切れ負け
        --games-out FILE   全対局を  # 注釈  と  sfen SFEN moves …  の二行ずつで書く
      対局ごとに  game N opening K black engineX: 結果 理由, P plies (engine1 +勝 -敗 =分)、
      最後に engine1 / engine2 / games / wins / losses / draws / score / elo / elo_95 /
      ms_per_move_engine1 / ms_per_move_engine2（勝敗は engine1 から見て）、--tc では
      time_forfeits_engineN（時間切れ負けの数）/ least_spare_ms_engineN（一手で残した最少の時間）
  --help
      この説明
例:
  xantu-engine match --engine1 "xantu-engine usi" --option1 Level=3 \
      --engine2 "xantu-engine usi" --option2 Level=1 --openings tools/engine/openings.txt --concurrency 2
)";

}  // namespace xantu::engine
