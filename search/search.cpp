#include "search/search.h"

namespace xantu::search {

// Placeholder until the real search lands: no state, and no move.
struct Searcher::Impl {};

Searcher::Searcher(std::size_t) : impl_(std::make_unique<Impl>()) {}
Searcher::~Searcher() = default;
void Searcher::newGame() {}
Result Searcher::think(const Position&, Side, const Limits&, const std::atomic<bool>&,
                       const std::function<void(const Info&)>&) {
    return {};
}

}  // namespace xantu::search
