#pragma once
// One strong search beside the game (検討, ヒント): it runs on a worker thread
// while the window goes on taking input; the window reads its newest progress
// on its tick and stops it whenever it likes. Stopping, and destroying it,
// waits for the thread, which the search leaves within a few milliseconds.
#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

#include "core/player.h"

namespace xantu {

class BackgroundSearch {
public:
    // The search: it runs until it answers or `stop` is set, and tells its
    // progress through onInfo (on the worker thread).
    using Work = std::function<Thought(const std::atomic<bool>& stop, const InfoSink& onInfo)>;

    BackgroundSearch() = default;
    ~BackgroundSearch() { stop(); }
    BackgroundSearch(const BackgroundSearch&) = delete;
    BackgroundSearch& operator=(const BackgroundSearch&) = delete;

    // Stops the search under way, if any, and starts `work`.
    void start(Work work);
    // Asks the search to stop and waits for its thread; its answer stays readable.
    void stop();
    // A search was started and not stopped (it may have answered already).
    bool active() const { return thread_.joinable(); }
    // The search has answered (or was stopped).
    bool finished() const { return done_; }
    // The newest progress since the last call, none when nothing is new.
    std::optional<Info> takeInfo();
    // The answer, once finished.
    Thought result() const;

private:
    std::thread thread_;
    std::atomic<bool> stop_{false}, done_{false};
    mutable std::mutex mutex_;
    std::optional<Info> info_;
    Thought result_;
};

}  // namespace xantu
