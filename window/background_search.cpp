#include "window/background_search.h"

#include <utility>

namespace xantu {

void BackgroundSearch::start(Work work) {
    stop();
    stop_ = false;
    done_ = false;
    {
        std::lock_guard lock(mutex_);
        info_.reset();
        result_ = Thought{};
    }
    thread_ = std::thread([this, work = std::move(work)] {
        const Thought found = work(stop_, [this](const Info& info) {
            std::lock_guard lock(mutex_);
            info_ = info;
        });
        {
            std::lock_guard lock(mutex_);
            result_ = found;
        }
        done_ = true;
    });
}

void BackgroundSearch::stop() {
    if (!thread_.joinable()) return;
    stop_ = true;
    thread_.join();
}

std::optional<Info> BackgroundSearch::takeInfo() {
    std::lock_guard lock(mutex_);
    return std::exchange(info_, std::nullopt);
}

Thought BackgroundSearch::result() const {
    std::lock_guard lock(mutex_);
    return result_;
}

}  // namespace xantu
