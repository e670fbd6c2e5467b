// analyse [--movetime MS|--depth N] [--threads N] [--json|--kif] FILE: 棋譜解析 of a
// record, KIF or CSA game. LEVEL4 searches every Position; one line per
// Position (tab-separated): its number (0 the start, N after move N), the
// score from 先手's view, LEVEL4's best move, the move played from it and
// what that move lost for its mover, with "?" or "??"; then the mistakes.
// --kif prints the game as KIF instead, with each move's score as the
// comment line "*評価値 N".
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "analysis/game_analysis.h"
#include "record/kif_writer.h"
#include "tools/engine/commands.h"

namespace xantu::engine {

namespace {

bool readCount(const std::string& w, int& out) {
    int v = 0;
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc() || end != w.data() + w.size() || v <= 0) return false;
    out = v;
    return true;
}

std::string scoreText(const AnalysedPly& p) {
    if (!p.done) return "-";
    if (p.over) return p.score.mate > 0 ? "先手勝ち" : "後手勝ち";
    return p.score.text();
}

// Notation and the fixed words are all this prints; only '"' and '\' need escaping.
std::string quoted(const std::string& s) {
    std::string out = "\"";
    for (const char c : s) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    return out + '"';
}

// The notation of the moves analysed, as the move list writes them.
struct MoveTexts {
    std::vector<std::string> best, played;
};

MoveTexts moveTexts(const GameRecord& game, const std::vector<AnalysedPly>& plies) {
    const GameLine line = 作成_手順局面(game);
    MoveTexts t;
    for (std::size_t i = 0; i < plies.size(); ++i) {
        const int at = static_cast<int>(i);
        t.best.push_back(plies[i].hasBest ? 作成_局面の指し手表記(game, line, at, plies[i].best) : std::string());
        t.played.push_back(plies[i].hasPlayed ? 作成_局面の指し手表記(game, line, at, plies[i].played) : std::string());
    }
    return t;
}

void printJson(const std::vector<AnalysedPly>& plies, const MoveTexts& t) {
    std::cout << "{\"positions\":[";
    for (std::size_t i = 0; i < plies.size(); ++i) {
        const AnalysedPly& p = plies[i];
        std::cout << (i ? ",\n" : "\n") << "{\"position\":" << i << ",\"toMove\":\""
                  << (p.toMove == Order::Sente ? "sente" : "gote") << '"';
        if (p.done) {
            if (p.score.mate != 0)
                std::cout << ",\"mate\":" << p.score.mate;
            else
                std::cout << ",\"cp\":" << p.score.cp;
            std::cout << ",\"score\":" << quoted(scoreText(p)) << ",\"over\":" << (p.over ? "true" : "false");
        }
        if (p.hasBest)
            std::cout << ",\"best\":" << quoted(t.best[i]) << ",\"bestUsi\":" << quoted(p.best.usi())
                      << ",\"pv\":" << quoted(p.pv) << ",\"depth\":" << p.depth << ",\"nodes\":" << p.nodes;
        if (p.hasPlayed) std::cout << ",\"played\":" << quoted(t.played[i]);
        if (p.lossKnown) std::cout << ",\"loss\":" << p.loss << ",\"mark\":" << quoted(std::string(p.mark));
        std::cout << '}';
    }
    std::cout << "\n],\"mistakes\":[";
    bool first = true;
    for (std::size_t i = 0; i < plies.size(); ++i) {
        const AnalysedPly& p = plies[i];
        if (!p.lossKnown || p.mark.empty()) continue;
        std::cout << (first ? "\n" : ",\n") << "{\"move\":" << i + 1 << ",\"played\":" << quoted(t.played[i])
                  << ",\"loss\":" << p.loss << ",\"mark\":" << quoted(std::string(p.mark))
                  << ",\"best\":" << quoted(t.best[i]) << '}';
        first = false;
    }
    std::cout << "\n]}\n";
}

void printText(const std::vector<AnalysedPly>& plies, const MoveTexts& t) {
    for (std::size_t i = 0; i < plies.size(); ++i) {
        const AnalysedPly& p = plies[i];
        std::cout << i << '\t' << scoreText(p) << '\t' << (p.hasBest ? t.best[i] : "-") << '\t'
                  << (p.hasPlayed ? t.played[i] : "-") << '\t';
        if (p.lossKnown)
            std::cout << p.loss << '\t' << (p.mark.empty() ? "-" : std::string(p.mark));
        else
            std::cout << "-\t-";
        std::cout << '\n';
    }
    int count = 0;
    for (const AnalysedPly& p : plies) count += p.lossKnown && !p.mark.empty();
    std::cout << "mistakes: " << count << '\n';
    for (std::size_t i = 0; i < plies.size(); ++i) {
        const AnalysedPly& p = plies[i];
        if (p.lossKnown && !p.mark.empty())
            std::cout << i + 1 << '\t' << t.played[i] << '\t' << p.loss << '\t' << p.mark << '\t' << t.best[i] << '\n';
    }
}

}  // namespace

int commandAnalyse(const Args& args) {
    GameAnalysisSettings settings;
    settings.threads = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    bool json = false;
    bool kif = false;
    std::string file;
    bool usage = false;
    for (std::size_t i = 0; i < args.size() && !usage; ++i) {
        const std::string& a = args[i];
        int n = 0;
        const bool hasValue = i + 1 < args.size() && readCount(args[i + 1], n);
        if (a == "--json") {
            json = true;
        } else if (a == "--kif") {
            kif = true;
        } else if (a == "--movetime" && hasValue) {
            settings.limits = Limits{};
            settings.limits.movetimeMs = n;
            ++i;
        } else if (a == "--depth" && hasValue) {
            settings.limits = Limits{};
            settings.limits.depth = n;
            ++i;
        } else if (a == "--threads" && hasValue) {
            settings.threads = n;
            ++i;
        } else if (file.empty() && a.rfind("--", 0) != 0) {
            file = a;
        } else {
            usage = true;
        }
    }
    if (usage || file.empty() || (json && kif)) {
        std::cerr << "xantu-engine: analyse takes one record, KIF or CSA file "
                     "(analyse [--movetime MS|--depth N] [--threads N] [--json|--kif] FILE)\n";
        return kExitBadInput;
    }
    GameRecord game;
    if (!readGameFile(file, game)) return kExitBadInput;
    GameAnalysis analysis(game, settings);
    analysis.start();
    analysis.wait();
    const std::vector<AnalysedPly> plies = analysis.snapshot();
    if (kif) {
        記入_解析結果(game, plies);
        std::cout << 作成_KIF(game);
    } else if (json) {
        printJson(plies, moveTexts(game, plies));
    } else {
        printText(plies, moveTexts(game, plies));
    }
    return 0;
}

}  // namespace xantu::engine
