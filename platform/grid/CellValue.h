#pragma once
// The value a cell holds or a formula produced. Text is borrowed from the sheet's text pool
// and stays valid until the sheet is next changed, so reading a cell never allocates.
#include <cstdint>
#include <string_view>

namespace grid {

enum class ErrorCode : std::uint8_t { None, Div0, Value, Ref, Name, NA, Num, Circular };

enum class ValueKind : std::uint8_t { Empty, Number, Text, Bool, Error };

// Largest addressable column and row of a sheet; 0 is the header band.
inline constexpr int kMaxColumns = 16384;
inline constexpr int kMaxRows = 1048576;

struct CellValue {
    ValueKind kind = ValueKind::Empty;
    ErrorCode error = ErrorCode::None;
    double number = 0;  // Number, and Bool as 0 / 1
    std::string_view text;

    bool isEmpty() const { return kind == ValueKind::Empty; }
    bool isNumber() const { return kind == ValueKind::Number; }
    bool isText() const { return kind == ValueKind::Text; }
    bool isError() const { return kind == ValueKind::Error; }
};

// "#DIV/0!", "#VALUE!", ...; empty for ErrorCode::None.
std::string_view errorText(ErrorCode code);
// The error a literal like "#N/A" names (letter case ignored), None when it names none.
ErrorCode errorFromText(std::string_view text);

}  // namespace grid
