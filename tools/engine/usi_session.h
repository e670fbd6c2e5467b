#pragma once
// The USI protocol, one input line at a time. The search runs on a thread of
// its own so that `stop`, `isready` and `quit` are read while it thinks.
// Every answer goes through the output callback, one line at a time (without
// the newline), never from two threads at once.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

#include "core/player.h"
#include "core/position.h"
#include "core/sfen.h"
#include "search/strength.h"

namespace xantu::engine {

class UsiSession {
public:
    using Output = std::function<void(const std::string&)>;
    struct Config {
        std::size_t maxHashMegabytes = 1024;  // the largest USI_Hash accepted
        int maxThreads = 64;                  // the largest Threads accepted
    };

    explicit UsiSession(Output out);
    UsiSession(Output out, Config config);
    ~UsiSession();  // stops a running search and waits for it
    UsiSession(const UsiSession&) = delete;
    UsiSession& operator=(const UsiSession&) = delete;

    // Handles one line. Returns false once `quit` has been read.
    bool handle(std::string_view line);
    // Stops a running search and waits until its bestmove has been sent.
    void finish();

private:
    void say(const std::string& line);
    void commandUsi();
    void commandSetOption(std::string_view rest);
    void commandPosition(std::string_view rest);
    void commandGo(std::string_view rest);
    void commandStop();
    void joinFinished();
    // The player of the chosen level, made on first use.
    Player& player();
    void searchThread(Player& player, Position p, Side side, Limits limits,
                      std::chrono::steady_clock::time_point received);

    Output out_;
    Config config_;
    std::mutex outMutex_;

    int level_ = 4;
    search::Strength strength_ = search::kFullStrength;  // LEVEL4's step
    std::size_t hashMegabytes_;
    int threads_ = 1;                     // LEVEL4's search threads
    std::unique_ptr<Player> players_[5];  // by level, each made at its first search

    bool havePosition_ = false;
    Position position_;
    Side side_ = Side::Lower;

    std::thread thread_;
    std::atomic<bool> searching_{false};
    std::atomic<bool> stop_{false};
    std::mutex stopMutex_;
    std::condition_variable stopSignal_;
};

}  // namespace xantu::engine
