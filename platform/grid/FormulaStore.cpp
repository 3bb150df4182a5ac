#include "grid/FormulaStore.h"

#include <functional>

namespace grid {

namespace {
std::uint64_t hashCode(std::string_view code) { return std::hash<std::string_view>()(code); }
}  // namespace

size_t FormulaStore::findSlot(std::string_view code, std::uint64_t hash) const {
    size_t mask = slots_.size() - 1;
    size_t i = static_cast<size_t>(hash) & mask;
    size_t firstFree = SIZE_MAX;
    for (;;) {
        std::uint32_t id = slots_[i];
        if (id == 0) return firstFree != SIZE_MAX ? firstFree : i;
        if (id == kRemoved) {
            if (firstFree == SIZE_MAX) firstFree = i;
        } else if (hashes_[id] == hash && formulas_[id]->code == code) {
            return i;
        }
        i = (i + 1) & mask;
    }
}

void FormulaStore::grow() {
    size_t size = slots_.empty() ? 64 : slots_.size() * 2;
    if (live_ * 4 < slots_.size()) size = slots_.size();  // mostly tombstones: same size
    std::vector<std::uint32_t> old(size, 0);
    old.swap(slots_);
    used_ = live_;
    size_t mask = size - 1;
    for (std::uint32_t id : old) {
        if (id == 0 || id == kRemoved) continue;
        size_t i = static_cast<size_t>(hashes_[id]) & mask;
        while (slots_[i] != 0) i = (i + 1) & mask;
        slots_[i] = id;
    }
}

std::uint32_t FormulaStore::intern(std::string_view code) {
    if ((used_ + 1) * 2 > slots_.size()) grow();
    std::uint64_t hash = hashCode(code);
    size_t slot = findSlot(code, hash);
    std::uint32_t found = slots_[slot];
    if (found != 0 && found != kRemoved) {
        ++formulas_[found]->uses;
        return found;
    }
    auto formula = std::make_unique<Formula>();
    formula->code.assign(code);  // copied only when it is new
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
        hashes_.resize(formulas_.size());
    }
    hashes_[id] = hash;
    if (found == 0) ++used_;
    slots_[slot] = id;
    ++live_;
    return id;
}

void FormulaStore::release(std::uint32_t id) {
    Formula& f = *formulas_[id];
    if (--f.uses > 0) return;
    size_t mask = slots_.size() - 1;
    for (size_t i = static_cast<size_t>(hashes_[id]) & mask;; i = (i + 1) & mask) {
        if (slots_[i] == id) {
            slots_[i] = kRemoved;
            break;
        }
    }
    --live_;
    formulas_[id].reset();
    free_.push_back(id);
}

void FormulaStore::clear() {
    formulas_.clear();
    formulas_.resize(1);
    free_.clear();
    slots_.clear();
    hashes_.clear();
    live_ = 0;
    used_ = 0;
}

}  // namespace grid
