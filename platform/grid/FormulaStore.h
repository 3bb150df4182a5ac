#pragma once
// Parsed formulas, each stored once however many cells use it (a formula filled down a
// column has the same relative code in every cell), counted by use.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
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
    std::uint32_t intern(std::string code);
    void retain(std::uint32_t id) { ++formulas_[id]->uses; }
    void release(std::uint32_t id);
    // Stable while the formula is used: entries are never moved.
    const Formula& get(std::uint32_t id) const { return *formulas_[id]; }
    size_t liveCount() const { return index_.size(); }
    void clear();

private:
    std::vector<std::unique_ptr<Formula>> formulas_{1};
    std::vector<std::uint32_t> free_;
    std::unordered_map<std::string_view, std::uint32_t> index_;
};

}  // namespace grid
