#pragma once
// Parsed formulas, each stored once however many cells use it (a formula filled down a
// column has the same relative code in every cell), counted by use.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grid/FormulaCode.h"

namespace grid {

struct Formula {
    std::string code;
    std::vector<CodeReference> refs;
    std::uint32_t uses = 0;
};

class FormulaStore {
public:
    // Id (from 1) of the formula with this code, counting one more use.
    std::uint32_t intern(std::string_view code);
    void retain(std::uint32_t id) { ++formulas_[id]->uses; }
    void release(std::uint32_t id);
    // Stable while the formula is used: entries are never moved.
    const Formula& get(std::uint32_t id) const { return *formulas_[id]; }
    size_t liveCount() const { return live_; }
    void clear();

private:
    // Open addressing over formula ids (0 = empty slot, tombstones marked kRemoved): a
    // sheet of 100000 distinct formulas must not pay a node allocation per formula.
    static constexpr std::uint32_t kRemoved = 0xFFFFFFFFu;
    size_t findSlot(std::string_view code, std::uint64_t hash) const;
    void grow();

    std::vector<std::unique_ptr<Formula>> formulas_{1};
    std::vector<std::uint32_t> free_;
    std::vector<std::uint32_t> slots_;
    std::vector<std::uint64_t> hashes_;  // per formula id
    size_t live_ = 0;
    size_t used_ = 0;  // live plus removed slots
};

}  // namespace grid
