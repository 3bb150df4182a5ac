#include "grid/FormulaCode.h"

#include "grid/CellValue.h"

namespace grid {

size_t instructionSize(const char* p) {
    switch (static_cast<Op>(p[0])) {
    case Op::Number: return 9;
    case Op::Text:
    case Op::Name: return 3 + readU16(p + 1);
    case Op::Bool:
    case Op::Error:
    case Op::IfEnd: return 2;
    case Op::CellValue:
    case Op::CellRef: return 1 + kCornerBytes;
    case Op::RangeRef: return 1 + 2 * kCornerBytes;
    case Op::Call:
    case Op::CallCustom: return 4;
    case Op::IfTest: return 5;
    case Op::IfJump: return 3;
    default: return 1;
    }
}

std::vector<CodeReference> listReferences(const std::string& code) {
    std::vector<CodeReference> refs;
    const char* base = code.data();
    for (size_t pos = 0; pos < code.size(); pos += instructionSize(base + pos)) {
        Op op = static_cast<Op>(base[pos]);
        if (op == Op::CellValue || op == Op::CellRef || op == Op::RangeRef)
            refs.push_back({static_cast<std::uint32_t>(pos), op == Op::RangeRef});
    }
    return refs;
}

bool resolveReference(const std::string& code, const CodeReference& ref, int column, int row,
                      CellRect& rect) {
    const char* p = code.data() + ref.offset + 1;
    CodeCorner a = readCorner(p);
    CodeCorner b = ref.isRange ? readCorner(p + kCornerBytes) : a;
    if ((a.flags | b.flags) & kReferenceDeleted) return false;
    int c1 = cornerColumn(a, column), r1 = cornerRow(a, row);
    int c2 = cornerColumn(b, column), r2 = cornerRow(b, row);
    if (c1 > c2) std::swap(c1, c2);
    if (r1 > r2) std::swap(r1, r2);
    if (c1 < 1 || r1 < 1 || c2 > kMaxColumns || r2 > kMaxRows) return false;
    rect = {c1, r1, c2, r2};
    return true;
}

}  // namespace grid
