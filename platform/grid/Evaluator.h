#pragma once
// Runs the byte code of one formula for one cell. The cells it reads are already computed
// (the sheet orders the work); custom functions may re-enter the sheet, so nothing here
// holds a pointer into the cells across a call.
#include <vector>

#include "grid/CellValue.h"
#include "grid/CustomFunction.h"
#include "grid/Operand.h"

namespace grid {

class Sheet;
struct Formula;

class Evaluator {
public:
    explicit Evaluator(Sheet& sheet) : sheet_(sheet) {}

    void run(const Formula& formula, int column, int row, Operand& result);

    // Helpers for the built-in functions.
    Sheet& sheet() { return sheet_; }
    CellValue cellValue(int column, int row) const;
    // A reference becomes the value of its cell (a block that is not one cell: #VALUE!).
    void dereference(Operand& op) const;
    static void fromCell(Operand& op, const CellValue& v);
    // Coercions of scalar operands; false with the error to give back.
    static bool toNumber(const Operand& op, double& out, ErrorCode& error);
    static bool toBool(const Operand& op, bool& out, ErrorCode& error);
    static void toText(const Operand& op, std::string& out);
    // Calls visit(const CellValue&) for every non-empty cell of the block, column by column.
    template <class Visit>
    void forEachCell(const CellRect& rect, Visit&& visit) const;

    int column() const { return column_; }
    int row() const { return row_; }

private:
    void binary(Op op);
    void compare(Op op);
    void unary(Op op);
    void callBuiltin(int id, int count);
    void callCustom(int slot, int count);
    Operand& push() {
        if (top_ == stack_.size()) stack_.emplace_back();
        Operand& op = stack_[top_++];
        op.isReference = false;
        op.missing = false;
        return op;
    }

    Sheet& sheet_;
    std::vector<Operand> stack_;
    std::vector<CustomArg> customArgs_;
    size_t top_ = 0;
    int column_ = 0, row_ = 0;
};

}  // namespace grid

#include "grid/Sheet.h"

namespace grid {

template <class Visit>
void Evaluator::forEachCell(const CellRect& rect, Visit&& visit) const {
    const CellStore& store = sheet_.cells();
    int lastColumn = rect.column2 < store.columnCount() ? rect.column2 : store.columnCount() - 1;
    for (int c = rect.column1; c <= lastColumn; ++c) {
        const auto& cells = store.column(c)->cells;
        int lastRow = rect.row2 < static_cast<int>(cells.size()) ? rect.row2
                                                                 : static_cast<int>(cells.size()) - 1;
        for (int r = rect.row1; r <= lastRow; ++r) {
            const Cell& cell = cells[static_cast<size_t>(r)];
            if (cell.kind != ValueKind::Empty) visit(store.valueOf(cell));
        }
    }
}

}  // namespace grid
