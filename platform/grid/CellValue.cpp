#include "grid/CellValue.h"

#include "grid/TextRules.h"

namespace grid {

namespace {
constexpr std::string_view kErrorTexts[] = {"",     "#DIV/0!", "#VALUE!", "#REF!",
                                            "#NAME?", "#N/A",  "#NUM!",   "#CIRC!"};
}

std::string_view errorText(ErrorCode code) {
    return kErrorTexts[static_cast<int>(code)];
}

ErrorCode errorFromText(std::string_view text) {
    for (int i = 1; i < static_cast<int>(std::size(kErrorTexts)); ++i)
        if (equalsIgnoreCase(text, kErrorTexts[i])) return static_cast<ErrorCode>(i);
    return ErrorCode::None;
}

}  // namespace grid
