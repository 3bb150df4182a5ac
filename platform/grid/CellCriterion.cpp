#include "grid/CellCriterion.h"

#include "grid/Operand.h"
#include "grid/TextRules.h"

namespace grid {

namespace {

// The operator at the front of a criterion text, and how many characters it takes.
int readCompare(std::string_view text, int& compare) {
    static constexpr std::string_view kOperators[] = {"<>", "<=", ">=", "=", "<", ">"};
    // Indices into CellCriterion's Compare, in the order of kOperators.
    static constexpr int kCompare[] = {1, 3, 5, 0, 2, 4};
    for (int i = 0; i < 6; ++i)
        if (text.substr(0, kOperators[i].size()) == kOperators[i]) {
            compare = kCompare[i];
            return static_cast<int>(kOperators[i].size());
        }
    compare = 0;
    return 0;
}

}  // namespace

bool CellCriterion::parse(const Operand& criterion, ErrorCode& error) {
    compare_ = Compare::Equal;
    text_.clear();
    switch (criterion.kind) {
    case ValueKind::Error: error = criterion.error; return false;
    case ValueKind::Empty: kind_ = Kind::Empty; return true;
    case ValueKind::Number: kind_ = Kind::Number; number_ = criterion.number; return true;
    case ValueKind::Bool: kind_ = Kind::Bool; number_ = criterion.number; return true;
    case ValueKind::Text: break;
    }
    int compare = 0;
    const std::string_view whole = criterion.text;
    const std::string_view rest = whole.substr(static_cast<size_t>(readCompare(whole, compare)));
    compare_ = static_cast<Compare>(compare);
    if (rest.empty()) {
        kind_ = Kind::Empty;
    } else if (parseNumber(rest, number_)) {
        kind_ = Kind::Number;
    } else if (equalsIgnoreCase(rest, "TRUE") || equalsIgnoreCase(rest, "FALSE")) {
        kind_ = Kind::Bool;
        number_ = equalsIgnoreCase(rest, "TRUE") ? 1 : 0;
    } else {
        kind_ = Kind::Text;
        text_.assign(rest);
    }
    return true;
}

bool CellCriterion::holds(int order) const {
    switch (compare_) {
    case Compare::Equal: return order == 0;
    case Compare::NotEqual: return order != 0;
    case Compare::Less: return order < 0;
    case Compare::LessEqual: return order <= 0;
    case Compare::Greater: return order > 0;
    case Compare::GreaterEqual: return order >= 0;
    }
    return false;
}

bool CellCriterion::matchesEmpty() const {
    if (kind_ == Kind::Empty) return compare_ == Compare::Equal;
    return compare_ == Compare::NotEqual;
}

bool CellCriterion::matches(const CellValue& cell) const {
    if (cell.kind == ValueKind::Empty) return matchesEmpty();
    // A cell of another kind than the criterion is only ever "not equal".
    const bool sameKind = (kind_ == Kind::Number && cell.kind == ValueKind::Number) ||
                          (kind_ == Kind::Bool && cell.kind == ValueKind::Bool) ||
                          (kind_ == Kind::Text && cell.kind == ValueKind::Text);
    if (!sameKind) return compare_ == Compare::NotEqual;
    if (kind_ == Kind::Text) {
        if (compare_ == Compare::Equal || compare_ == Compare::NotEqual)
            return wildcardMatch(text_, cell.text) == (compare_ == Compare::Equal);
        const int order = compareIgnoreCase(cell.text, text_);
        return holds(order < 0 ? -1 : (order > 0 ? 1 : 0));
    }
    return holds(cell.number < number_ ? -1 : (cell.number > number_ ? 1 : 0));
}

bool wildcardMatch(std::string_view pattern, std::string_view text) {
    // Iterative matching with one back-tracking point (the last *): linear in practice,
    // never recursive, so a long pattern cannot exhaust the stack.
    size_t p = 0, t = 0, starP = std::string_view::npos, starT = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starP = ++p;
            starT = t;
            continue;
        }
        if (p < pattern.size()) {
            bool literal = pattern[p] == '~' && p + 1 < pattern.size();
            char want = literal ? pattern[p + 1] : pattern[p];
            if ((!literal && want == '?') || toUpperAscii(want) == toUpperAscii(text[t])) {
                p += literal ? 2 : 1;
                ++t;
                continue;
            }
        }
        if (starP == std::string_view::npos) return false;
        p = starP;
        t = ++starT;
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace grid
