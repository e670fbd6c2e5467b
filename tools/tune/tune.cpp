// xantu-tune: makes the LEVEL4 evaluation weights, reproducibly and from
// nothing but this program.
//
// Both commands use the weights compiled in, or with --start the hand-set
// weights the first round began from; tools/tune/make_weights.sh runs the
// rounds that made search/weights.h.
//
//   xantu-tune selfplay [--start] --games G --nodes N --seed S --out FILE
//       LEVEL4 plays itself at N nodes a move from starts made of four
//       random quiet plies drawn from the seed; every position of every game
//       with no king under attack and no king capture in sight is written as
//       `RESULT SFEN`, RESULT the game's outcome for the lower side (1, 0.5, 0).
//   xantu-tune tune [--start] --data FILE [--data2 FILE] [--epochs E] --out HEADER
//       Texel tuning: each position is first settled by a short capture
//       search (its principal line followed to a quiet position); then the
//       weights are fitted so that a logistic curve of the evaluation of
//       those quiet positions predicts the outcomes (mean squared error, Adam steps from
//       the weights in use), and writes them as search/weights.h.
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <unordered_map>
#include <vector>

#include "core/sfen.h"
#include "search/eval.h"
#include "search/movegen.h"
#include "search/searcher.h"

using namespace xantu::search;

namespace {

// The hand-set weights the first round started from (--start): material and
// hand values, king attackers and defenders, slider mobility, tempo.
void useStartingWeights() {
    for (int& w : gWeights) w = 0;
    const int material[kTypeCount] = {0, 650, 300, 350, 500, 550, 700, 800, 0, 1100, 550, 550, 550, 950, 1050};
    const int hand[8] = {0, 700, 320, 380, 540, 600, 780, 880};
    for (int t = 0; t < kTypeCount; ++t) {
        gWeights[feature::kMaterial + t] = material[t];
        gWeights[feature::kKingAttack + t] = t == 0 ? 0 : 15;
    }
    for (int k = 0; k < 8; ++k) gWeights[feature::kHand + k] = hand[k];
    gWeights[feature::kKingDefence + kS] = 25;
    gWeights[feature::kKingDefence + kG] = 30;
    gWeights[feature::kKingDefence + kPL] = gWeights[feature::kKingDefence + kPN] =
        gWeights[feature::kKingDefence + kPS] = 25;
    const int mobility[kTypeCount] = {0, 3, 2, 0, 0, 0, 4, 4, 0, 3, 0, 0, 0, 3, 3};
    for (int t = 0; t < kTypeCount; ++t) gWeights[feature::kMobility + t] = mobility[t];
    gWeights[feature::kAttackSquared] = 2;
    gWeights[feature::kTempo] = 20;
    refreshEvalTables();
}

bool hasFlag(int argc, char** argv, const char* name) {
    for (int i = 2; i < argc; ++i)
        if (std::string(argv[i]) == name) return true;
    return false;
}

constexpr int kMaxGamePlies = 300;
// Tuning: the smallest scale of the logistic curve (per centipawn) tried, the
// Adam step, and the strength of the pull towards the starting weights.
constexpr double kMinScale = 0.0015;
constexpr double kRate = 0.5;
constexpr double kPull = 1e-7;

bool argValue(int argc, char** argv, const char* name, std::string& out) {
    for (int i = 2; i + 1 < argc; ++i)
        if (std::string(argv[i]) == name) {
            out = argv[i + 1];
            return true;
        }
    return false;
}

long argNumber(int argc, char** argv, const char* name, long fallback) {
    std::string v;
    return argValue(argc, argv, name, v) ? std::stol(v) : fallback;
}

int selfplay(int argc, char** argv) {
    const long games = argNumber(argc, argv, "--games", 100);
    const long nodes = argNumber(argc, argv, "--nodes", 2000);
    const long seed = argNumber(argc, argv, "--seed", 1);
    std::string outPath;
    if (!argValue(argc, argv, "--out", outPath)) {
        std::fprintf(stderr, "xantu-tune: selfplay needs --out FILE\n");
        return 2;
    }
    std::ofstream out(outPath + ".tmp");
    std::mt19937_64 rng(static_cast<std::uint64_t>(seed));
    Searcher searcher(16);
    const std::atomic<bool> stop{false};
    Limits limits;
    limits.nodes = static_cast<std::uint64_t>(nodes);
    long written = 0, blackWins = 0, whiteWins = 0, draws = 0;
    static MoveBuffer list;
    for (long g = 0; g < games; ++g) {
        Board b;
        b.fromSfen("lnsgkgsnl/1r5b1/ppppppppp/9/9/9/PPPPPPPPP/1B5R1/LNSGKGSNL b - 1");
        for (int ply = 0; ply < 4; ++ply) {
            generateAll(b, list);
            std::vector<Move> quiet;
            for (int i = 0; i < list.size; ++i)
                if (b.sq[moveTo(list.moves[i])] == 0 && !isPromotion(list.moves[i])) quiet.push_back(list.moves[i]);
            b.make(quiet[rng() % quiet.size()]);
            b.set(b.toPosition(), sideOfColour(b.side));
        }
        searcher.newGame();
        std::vector<std::string> positions;
        std::unordered_map<std::uint64_t, int> seen;
        double result = 0.5;
        for (int ply = 0; ply < kMaxGamePlies; ++ply) {
            if (++seen[b.key] >= 4) break;  // fourfold repetition: a draw
            const Result r = searcher.go(b.toPosition(), sideOfColour(b.side), limits, stop);
            if (!r.hasMove) {
                result = b.side == kLower ? 0 : 1;
                break;
            }
            const Move m = parseUsiMove(b, r.move.usi());
            if (!b.kingAttacked(b.side) && std::abs(r.scoreCp) < 20000) positions.push_back(b.toSfen());
            b.make(m);
            b.set(b.toPosition(), sideOfColour(b.side));
            if (b.king[0] == 0 || b.king[1] == 0) {
                result = b.king[1] == 0 ? 1 : 0;
                break;
            }
        }
        (result == 1 ? blackWins : result == 0 ? whiteWins : draws)++;
        for (const std::string& p : positions) out << result << ' ' << p << '\n';
        written += static_cast<long>(positions.size());
        std::fprintf(stderr, "game %ld: %.1f, %zu positions\n", g + 1, result, positions.size());
    }
    out.close();
    if (!out || std::rename((outPath + ".tmp").c_str(), outPath.c_str()) != 0) {
        std::fprintf(stderr, "xantu-tune: cannot write %s\n", outPath.c_str());
        return 1;
    }
    std::printf("games: %ld lower_wins: %ld upper_wins: %ld draws: %ld positions: %ld\n", games, blackWins, whiteWins,
                draws, written);
    return 0;
}

// A capture-only search (negamax, scores from the side to move's view); `line` receives the
// principal line, so that the quiet position at its end can be rebuilt.
int settle(Board& b, int alpha, int beta, int depth, Move* line, int& length) {
    length = 0;
    int best = evaluate(b);
    if (depth == 0 || best >= beta) return best;
    if (best > alpha) alpha = best;
    MoveBuffer list;
    generateTactical(b, list, false);
    Move childLine[8];
    int childLength = 0;
    for (int i = 0; i < list.size; ++i) {
        const Move m = list.moves[i];
        if (typeOf(b.sq[moveTo(m)]) == kK) return 30000;
        b.make(m);
        const int score = -settle(b, -beta, -alpha, depth - 1, childLine, childLength);
        b.unmake(m);
        if (score > best) {
            best = score;
            line[0] = m;
            for (int j = 0; j < childLength; ++j) line[j + 1] = childLine[j];
            length = childLength + 1;
            if (score > alpha) alpha = score;
            if (score >= beta) break;
        }
    }
    return best;
}

// The positions are summed in a fixed number of chunks, each on a thread of
// its own, and the chunks' sums are added in their order: the weights come
// out the same whatever the number of processors.
constexpr int kChunks = 8;
template <class Work>
void inChunks(std::size_t n, const Work& work) {
    std::vector<std::thread> threads;
    for (int c = 0; c < kChunks; ++c)
        threads.emplace_back(work, c, n * static_cast<std::size_t>(c) / kChunks,
                             n * static_cast<std::size_t>(c + 1) / kChunks);
    for (std::thread& t : threads) t.join();
}

struct Sample {
    std::uint32_t first;  // into the feature arrays
    std::uint16_t count;
    float result;
};

int tune(int argc, char** argv) {
    std::string dataPath, outPath;
    if (!argValue(argc, argv, "--data", dataPath) || !argValue(argc, argv, "--out", outPath)) {
        std::fprintf(stderr, "xantu-tune: tune needs --data FILE --out HEADER\n");
        return 2;
    }
    const long epochs = argNumber(argc, argv, "--epochs", 400);
    std::vector<std::string> lines;
    std::string more;
    for (const std::string& path : {dataPath, argValue(argc, argv, "--data2", more) ? more : std::string()}) {
        if (path.empty()) continue;
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);) lines.push_back(line);
    }
    std::vector<Sample> samples;
    std::vector<std::int16_t> index, value;
    std::int16_t idx[feature::kCount + 1], val[feature::kCount + 1];
    for (const std::string& line : lines) {
        const std::size_t space = line.find(' ');
        if (space == std::string::npos) continue;
        static Board b;
        if (!b.fromSfen(line.substr(space + 1))) continue;
        Move pv[8];
        int length = 0;
        if (std::abs(settle(b, -30000, 30000, 4, pv, length)) >= 20000) continue;
        for (int j = 0; j < length; ++j) b.make(pv[j]);
        b.set(b.toPosition(), sideOfColour(b.side));
        if (b.king[0] == 0 || b.king[1] == 0) continue;
        int n = extractFeatures(b, idx, val);
        // The tempo belongs to the side to move.
        idx[n] = feature::kTempo;
        val[n] = b.side == kLower ? 1 : -1;
        ++n;
        samples.push_back({static_cast<std::uint32_t>(index.size()), static_cast<std::uint16_t>(n),
                           std::stof(line.substr(0, space))});
        index.insert(index.end(), idx, idx + n);
        value.insert(value.end(), val, val + n);
    }
    if (samples.empty()) {
        std::fprintf(stderr, "xantu-tune: no positions in %s\n", dataPath.c_str());
        return 1;
    }
    std::vector<double> w(feature::kCount);
    for (int i = 0; i < feature::kCount; ++i) w[i] = gWeights[i];
    const auto evalOf = [&](const Sample& s) {
        double e = 0;
        for (int j = 0; j < s.count; ++j) e += w[index[s.first + j]] * value[s.first + j];
        return e;
    };
    const auto loss = [&](double k) {
        double part[kChunks] = {};
        inChunks(samples.size(), [&](int c, std::size_t begin, std::size_t end) {
            for (std::size_t i = begin; i < end; ++i) {
                const Sample& s = samples[i];
                const double p = 1.0 / (1.0 + std::exp(-k * evalOf(s)));
                part[c] += (s.result - p) * (s.result - p);
            }
        });
        double sum = 0;
        for (double v : part) sum += v;
        return sum / static_cast<double>(samples.size());
    };
    // The scale of the curve, fitted once to the starting weights.
    double k = 0.001, bestLoss = loss(k);
    for (double trial = kMinScale; trial <= 0.01; trial *= 1.15) {
        const double l = loss(trial);
        if (l < bestLoss) bestLoss = l, k = trial;
    }
    std::fprintf(stderr, "positions %zu, K %.5f, loss %.6f\n", samples.size(), k, bestLoss);
    const std::vector<double> start = w;
    std::vector<double> m(feature::kCount), v(feature::kCount), grad(feature::kCount);
    const double rate = kRate, beta1 = 0.9, beta2 = 0.999;
    for (long epoch = 1; epoch <= epochs; ++epoch) {
        std::vector<std::vector<double>> part(kChunks, std::vector<double>(feature::kCount));
        inChunks(samples.size(), [&](int c, std::size_t begin, std::size_t end) {
            std::vector<double>& into = part[static_cast<std::size_t>(c)];
            for (std::size_t i = begin; i < end; ++i) {
                const Sample& s = samples[i];
                const double p = 1.0 / (1.0 + std::exp(-k * evalOf(s)));
                const double g = -2.0 * (s.result - p) * p * (1 - p) * k;
                for (int j = 0; j < s.count; ++j) into[index[s.first + j]] += g * value[s.first + j];
            }
        });
        std::fill(grad.begin(), grad.end(), 0.0);
        for (const auto& into : part)
            for (int i = 0; i < feature::kCount; ++i) grad[i] += into[i];
        for (int i = 0; i < feature::kCount; ++i) {
            if (i == feature::kMaterial + kK) continue;  // both sides always have one
            // A pull towards the starting weights keeps the terms that the
            // data hardly tells apart (piece-square terms overlap with
            // material) where they were.
            const double g = grad[i] / static_cast<double>(samples.size()) + kPull * (w[i] - start[i]);
            m[i] = beta1 * m[i] + (1 - beta1) * g;
            v[i] = beta2 * v[i] + (1 - beta2) * g * g;
            const double mh = m[i] / (1 - std::pow(beta1, epoch)), vh = v[i] / (1 - std::pow(beta2, epoch));
            w[i] -= rate * mh / (std::sqrt(vh) + 1e-9);
        }
        if (epoch % 50 == 0) std::fprintf(stderr, "epoch %ld loss %.6f\n", epoch, loss(k));
    }
    std::ostringstream text;
    text << "#pragma once\n// Evaluation weights in centipawns, in the order of search/eval.h's feature\n"
            "// layout. Written by xantu-tune; edit the tool, not this file.\n\nnamespace xantu::search {\n\n"
            "inline constexpr int kTunedWeights[] = {\n";
    for (int i = 0; i < feature::kCount; ++i) {
        if (i % 12 == 0) text << "    ";
        text << static_cast<long>(std::lround(w[i])) << ',';
        text << ((i % 12 == 11 || i + 1 == feature::kCount) ? "\n" : " ");
    }
    text << "};\n\n}  // namespace xantu::search\n";
    std::ofstream out(outPath + ".tmp");
    out << text.str();
    out.close();
    if (!out || std::rename((outPath + ".tmp").c_str(), outPath.c_str()) != 0) {
        std::fprintf(stderr, "xantu-tune: cannot write %s\n", outPath.c_str());
        return 1;
    }
    std::printf("positions: %zu K: %.5f loss: %.6f\n", samples.size(), k, loss(k));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (hasFlag(argc, argv, "--start")) useStartingWeights();
    if (command == "selfplay") return selfplay(argc, argv);
    if (command == "tune") return tune(argc, argv);
    std::fprintf(stderr,
                 "usage: xantu-tune selfplay [--start] --games G --nodes N --seed S --out FILE\n"
                 "       xantu-tune tune [--start] --data FILE [--data2 FILE] [--epochs E] --out search/weights.h\n");
    return 2;
}
