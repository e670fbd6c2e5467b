#include "search/mate_table.h"

namespace xantu::search {

MateTable::MateTable(std::size_t megabytes) {
    std::size_t count = 1;
    const std::size_t bytes = (megabytes == 0 ? 1 : megabytes) << 20;
    while (count * 2 * sizeof(Bucket) <= bytes) count *= 2;
    buckets_.assign(count, Bucket{});  // generation 0: never found
    mask_ = count - 1;
}

void MateTable::newSearch() { ++generation_; }

const MateEntry* MateTable::find(std::uint64_t key) const {
    const Bucket& b = buckets_[key & mask_];
    for (const MateEntry& e : b.e)
        if (e.key == key && e.generation == generation_) return &e;
    return nullptr;
}

void MateTable::store(std::uint64_t key, std::uint32_t pn, std::uint32_t dn, Move best, std::uint32_t work) {
    Bucket& b = buckets_[key & mask_];
    MateEntry* slot = nullptr;
    // The cost of losing a slot: final entries rank above any unfinished one.
    const auto cost = [](const MateEntry& e) {
        const bool final = e.pn == 0 || e.dn == 0;
        return (static_cast<std::uint64_t>(final) << 32) | e.work;
    };
    for (MateEntry& e : b.e) {
        if (e.generation == generation_ && e.key == key) {
            slot = &e;
            break;
        }
        if (e.generation != generation_) {
            if (slot == nullptr || slot->generation == generation_) slot = &e;
        } else if (slot == nullptr || (slot->generation == generation_ && cost(e) < cost(*slot))) {
            slot = &e;
        }
    }
    slot->key = key;
    slot->pn = pn;
    slot->dn = dn;
    slot->best = best;
    slot->work = work;
    slot->generation = generation_;
}

}  // namespace xantu::search
