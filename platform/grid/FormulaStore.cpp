#include "grid/FormulaStore.h"

namespace grid {

std::uint32_t FormulaStore::intern(std::string code) {
    auto it = index_.find(code);
    if (it != index_.end()) {
        ++formulas_[it->second]->uses;
        return it->second;
    }
    auto formula = std::make_unique<Formula>();
    formula->code = std::move(code);
    formula->refs = listReferences(formula->code);
    formula->uses = 1;
    std::uint32_t id;
    if (!free_.empty()) {
        id = free_.back();
        free_.pop_back();
        formulas_[id] = std::move(formula);
    } else {
        id = static_cast<std::uint32_t>(formulas_.size());
        formulas_.push_back(std::move(formula));
    }
    index_.emplace(std::string_view(formulas_[id]->code), id);
    return id;
}

void FormulaStore::release(std::uint32_t id) {
    Formula& f = *formulas_[id];
    if (--f.uses > 0) return;
    index_.erase(std::string_view(f.code));
    formulas_[id].reset();
    free_.push_back(id);
}

void FormulaStore::clear() {
    formulas_.clear();
    formulas_.resize(1);
    free_.clear();
    index_.clear();
}

}  // namespace grid
