#pragma once
// The compact form of a parsed formula: a byte code for a small stack machine. References
// are kept relative to the formula's own cell unless written absolute, so a formula copied
// down a column keeps exactly the same code and is stored once.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace grid {

enum class Op : std::uint8_t {
    Number,       // f64
    Text,         // u16 length, bytes
    Bool,         // u8
    Error,        // u8 ErrorCode
    Name,         // u16 length, bytes: an unknown name, evaluates to #NAME?
    Missing,      // an omitted function argument
    CellValue,    // CellRef: the value of one cell
    CellRef,      // CellRef: a cell as a reference (a direct function argument)
    RangeRef,     // RangeRef: a block of cells as a reference
    Negate,
    UnaryPlus,
    Percent,
    Add,
    Subtract,
    Multiply,
    Divide,
    Power,
    Concat,
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Paren,        // keeps the author's parentheses for the formula text
    Call,         // u16 function id, u8 argument count
    CallCustom,   // u16 custom-function slot, u8 argument count
    IfTest,       // u16 else position, u16 end position
    IfJump,       // u16 end position
    ImplicitFalse,  // the else branch of a two-argument IF
    IfEnd,        // u8 argument count
};

// Flags of one corner of a reference.
inline constexpr std::uint8_t kColumnAbsolute = 1;
inline constexpr std::uint8_t kRowAbsolute = 2;
inline constexpr std::uint8_t kReferenceDeleted = 0x80;

// A corner as stored: absolute coordinates, or offsets from the formula's cell.
struct CodeCorner {
    std::uint8_t flags = 0;
    std::int32_t column = 0;
    std::int32_t row = 0;
};

// A resolved block of cells, 1-based, inclusive.
struct CellRect {
    int column1 = 0, row1 = 0, column2 = 0, row2 = 0;
    bool contains(int c, int r) const {
        return c >= column1 && c <= column2 && r >= row1 && r <= row2;
    }
    bool isSingleCell() const { return column1 == column2 && row1 == row2; }
};

inline constexpr size_t kCornerBytes = 9;

inline void writeCorner(std::string& code, const CodeCorner& corner) {
    code.push_back(static_cast<char>(corner.flags));
    char buf[8];
    std::memcpy(buf, &corner.column, 4);
    std::memcpy(buf + 4, &corner.row, 4);
    code.append(buf, 8);
}

inline CodeCorner readCorner(const char* p) {
    CodeCorner corner;
    corner.flags = static_cast<std::uint8_t>(p[0]);
    std::memcpy(&corner.column, p + 1, 4);
    std::memcpy(&corner.row, p + 5, 4);
    return corner;
}

inline void storeCorner(char* p, const CodeCorner& corner) {
    p[0] = static_cast<char>(corner.flags);
    std::memcpy(p + 1, &corner.column, 4);
    std::memcpy(p + 5, &corner.row, 4);
}

inline std::uint16_t readU16(const char* p) {
    std::uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

inline void writeU16(std::string& code, std::uint16_t v) {
    char buf[2];
    std::memcpy(buf, &v, 2);
    code.append(buf, 2);
}

inline double readF64(const char* p) {
    double v;
    std::memcpy(&v, p, 8);
    return v;
}

// Absolute column and row of a corner seen from the formula's cell.
inline int cornerColumn(const CodeCorner& k, int cellColumn) {
    return (k.flags & kColumnAbsolute) ? k.column : cellColumn + k.column;
}
inline int cornerRow(const CodeCorner& k, int cellRow) {
    return (k.flags & kRowAbsolute) ? k.row : cellRow + k.row;
}

// The inverse: the stored form of an absolute position for a formula at (cellColumn, cellRow).
inline CodeCorner makeCorner(std::uint8_t flags, int column, int row, int cellColumn,
                             int cellRow) {
    CodeCorner k;
    k.flags = flags;
    k.column = (flags & kColumnAbsolute) ? column : column - cellColumn;
    k.row = (flags & kRowAbsolute) ? row : row - cellRow;
    return k;
}

// Size in bytes of the instruction at p, operator byte included.
size_t instructionSize(const char* p);

// One reference of a formula: its position in the code and whether it is a block.
struct CodeReference {
    std::uint32_t offset = 0;  // of the operator byte
    bool isRange = false;
};

// The references of a code, in code order.
std::vector<CodeReference> listReferences(const std::string& code);

// The block a reference covers for a formula at (column, row); false when it was deleted
// or falls outside the sheet.
bool resolveReference(const std::string& code, const CodeReference& ref, int column, int row,
                      CellRect& rect);

}  // namespace grid
