#pragma once
// The condition of COUNTIF, SUMIF and AVERAGEIF: a value, or a text of an operator and a
// value (">=20", "<>Bolt", "M*"). Texts compare ignoring letter case, and with "=" and "<>"
// the wildcards * (any run) and ? (any one character) apply; ~ makes the next one literal.
#include <string>
#include <string_view>

#include "grid/CellValue.h"

namespace grid {

struct Operand;

class CellCriterion {
public:
    // From the criterion argument (a scalar); false for an error value, given back in error.
    bool parse(const Operand& criterion, ErrorCode& error);
    bool matches(const CellValue& cell) const;
    bool matchesEmpty() const;

private:
    enum class Compare { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };
    enum class Kind { Empty, Number, Text, Bool };
    bool holds(int order) const;  // the comparison applied to an order (-1, 0, 1)

    Compare compare_ = Compare::Equal;
    Kind kind_ = Kind::Empty;
    double number_ = 0;
    std::string text_;
};

// The whole text against a pattern with * and ? (and ~ before a literal * ? ~), letter case
// ignored.
bool wildcardMatch(std::string_view pattern, std::string_view text);

}  // namespace grid
