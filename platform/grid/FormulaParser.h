#pragma once
// Formula text to byte code. The text may start with "="; references are read in A1 form
// ("B3", "$B$3") and in R1C1 form ("R3C2", "R[-1]C"), the reference style deciding which
// form wins where a text could be either.
#include <string>
#include <string_view>

namespace grid {

enum class RefStyle { Default = 0, A1 = 1, R1C1 = 2 };

// How names that are not built-in functions become custom-function slots, and back.
class FunctionNames {
public:
    virtual ~FunctionNames() = default;
    virtual int customSlot(std::string_view name) = 0;
    virtual std::string_view customName(int slot) const = 0;
};

struct ParseResult {
    bool ok = false;
    std::string code;
    std::string error;  // what was wrong, for diagnostics
};

ParseResult parseFormula(std::string_view text, int cellColumn, int cellRow, RefStyle style,
                         FunctionNames& names);
// The same into a buffer the caller keeps (its capacity is reused from one formula to the
// next); false with the reason in error.
bool parseFormulaInto(std::string_view text, int cellColumn, int cellRow, RefStyle style,
                      FunctionNames& names, std::string& code, std::string& error);

}  // namespace grid
