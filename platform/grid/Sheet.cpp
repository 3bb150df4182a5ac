#include "grid/Sheet.h"

#include <algorithm>

#include "grid/Evaluator.h"
#include "grid/FormulaPrinter.h"
#include "grid/TextRules.h"

namespace grid {

Sheet::Sheet() : dependencies_(cells_) {}
Sheet::~Sheet() = default;

bool Sheet::inLimits(int column, int row) {
    return column >= 0 && row >= 0 && column <= kMaxColumns && row <= kMaxRows;
}

// ---- writing ----------------------------------------------------------------------------

Cell* Sheet::prepareWrite(int column, int row) {
    if (!inLimits(column, row)) return nullptr;
    Cell& cell = cells_.touch(column, row);
    if (cell.hasFormula()) detachFormula(column, row, cell);
    cells_.clearValue(cell);
    cell.state = CellState::Clean;
    return &cell;
}

void Sheet::finishWrite(int column, int row) { markDependentsDirty(column, row); }

bool Sheet::setNumber(int column, int row, double value) {
    Cell* cell = prepareWrite(column, row);
    if (!cell) return false;
    cell->kind = ValueKind::Number;
    cell->number = value;
    finishWrite(column, row);
    return true;
}

bool Sheet::setText(int column, int row, std::string_view text) {
    Cell* cell = prepareWrite(column, row);
    if (!cell) return false;
    if (!text.empty()) {
        cell->kind = ValueKind::Text;
        cell->text = cells_.addText(text);
    }
    finishWrite(column, row);
    return true;
}

bool Sheet::setBool(int column, int row, bool value) {
    Cell* cell = prepareWrite(column, row);
    if (!cell) return false;
    cell->kind = ValueKind::Bool;
    cell->number = value ? 1 : 0;
    finishWrite(column, row);
    return true;
}

bool Sheet::setError(int column, int row, ErrorCode error) {
    Cell* cell = prepareWrite(column, row);
    if (!cell) return false;
    if (error != ErrorCode::None) {
        cell->kind = ValueKind::Error;
        cell->error = error;
    }
    finishWrite(column, row);
    return true;
}

bool Sheet::clearCell(int column, int row) {
    if (!inLimits(column, row)) return false;
    Cell* existing = cells_.find(column, row);
    if (!existing || existing->holdsNothing()) return true;
    prepareWrite(column, row);
    finishWrite(column, row);
    return true;
}

bool Sheet::setFormula(int column, int row, std::string_view text, bool recalculate) {
    lastError_.clear();
    if (column < 1 || row < 1 || !inLimits(column, row)) {
        lastError_ = "cell outside the sheet";
        return false;
    }
    if (!parseFormulaInto(text, column, row, refStyle_, *this, parseBuffer_, lastError_))
        return false;
    std::uint32_t id = formulas_.intern(parseBuffer_);
    Cell* cell = prepareWrite(column, row);
    cell->formula = id;
    cell->state = CellState::Dirty;
    cells_.column(column)->formulaCount++;
    attachFormula(column, row, id);
    markDependentsDirty(column, row);
    if (recalculate) evaluate(column, row);
    return true;
}

void Sheet::detachFormula(int column, int row, Cell& cell) {
    std::uint32_t id = cell.formula;
    cell.formula = 0;
    cells_.column(column)->formulaCount--;
    const Formula& f = formulas_.get(id);
    bool hasRange = false;
    for (size_t i = 0; i < f.refs.size(); ++i) {
        const CodeReference& ref = f.refs[i];
        if (ref.isRange) {
            hasRange = true;
            continue;
        }
        CellRect r;
        if (!resolveReference(f.code, ref, column, row, r)) continue;
        bool seen = false;
        for (size_t j = 0; j < i && !seen; ++j) {
            CellRect q;
            seen = !f.refs[j].isRange && resolveReference(f.code, f.refs[j], column, row, q) &&
                   q.column1 == r.column1 && q.row1 == r.row1;
        }
        if (!seen) dependencies_.removeCell(r.column1, r.row1, column, row);
    }
    if (hasRange) dependencies_.removeRanges(column, row);
    formulas_.release(id);
}

void Sheet::attachFormula(int column, int row, std::uint32_t id) {
    const Formula& f = formulas_.get(id);
    for (size_t i = 0; i < f.refs.size(); ++i) {
        const CodeReference& ref = f.refs[i];
        CellRect r;
        if (!resolveReference(f.code, ref, column, row, r)) continue;
        if (ref.isRange) {
            dependencies_.addRange(r, column, row);
            continue;
        }
        bool seen = false;
        for (size_t j = 0; j < i && !seen; ++j) {
            CellRect q;
            seen = !f.refs[j].isRange && resolveReference(f.code, f.refs[j], column, row, q) &&
                   q.column1 == r.column1 && q.row1 == r.row1;
        }
        if (!seen) dependencies_.addCell(r.column1, r.row1, column, row);
    }
}

// Keeps the rule that every dependent of an out-of-date cell is out of date too, so the
// walk stops at cells already marked and a change costs what it touches.
void Sheet::markDependentsDirty(int column, int row) {
    std::vector<std::pair<int, int>>& work = dirtyWork_;  // reused: writes are the hot path
    work.clear();
    work.emplace_back(column, row);
    while (!work.empty()) {
        auto [c, r] = work.back();
        work.pop_back();
        dependencies_.forEachDependent(c, r, [&](int dc, int dr) {
            Cell* d = cells_.find(dc, dr);
            if (d && d->hasFormula() && d->state == CellState::Clean) {
                d->state = CellState::Dirty;
                work.emplace_back(dc, dr);
            }
        });
    }
}

// ---- reading ----------------------------------------------------------------------------

CellValue Sheet::storedValue(int column, int row) const {
    const Cell* cell = cells_.find(column, row);
    if (!cell) return CellValue();
    return cells_.valueOf(*cell);
}

CellValue Sheet::value(int column, int row) {
    Cell* cell = cells_.find(column, row);
    if (!cell) return CellValue();
    if (cell->state == CellState::Dirty && autoCalculate_) {
        evaluate(column, row);
        cell = cells_.find(column, row);
        if (!cell) return CellValue();
    }
    return cells_.valueOf(*cell);
}

bool Sheet::hasFormula(int column, int row) const {
    const Cell* cell = cells_.find(column, row);
    return cell && cell->hasFormula();
}

bool Sheet::isOutOfDate(int column, int row) const {
    const Cell* cell = cells_.find(column, row);
    return cell && cell->state == CellState::Dirty;
}

std::string Sheet::formulaText(int column, int row) const {
    return formulaText(column, row, refStyle_);
}

std::string Sheet::formulaText(int column, int row, RefStyle style) const {
    const Cell* cell = cells_.find(column, row);
    if (!cell || !cell->hasFormula()) return std::string();
    return printFormula(formulas_.get(cell->formula).code, column, row, style, *this);
}

// ---- calculation ------------------------------------------------------------------------

void Sheet::recalculateCell(int column, int row) {
    Cell* cell = cells_.find(column, row);
    if (!cell || !cell->hasFormula() || cell->state == CellState::Busy) return;
    cell->state = CellState::Dirty;
    evaluate(column, row);
}

void Sheet::recalculateAll() {
    auto& columns = cells_.columns();
    for (auto& col : columns) {
        if (col.formulaCount == 0) continue;
        for (Cell& cell : col.cells)
            if (cell.hasFormula() && cell.state == CellState::Clean) cell.state = CellState::Dirty;
    }
    for (int c = 0; c < cells_.columnCount(); ++c) {
        if (cells_.column(c)->formulaCount == 0) continue;
        for (int r = 0; r < static_cast<int>(cells_.column(c)->cells.size()); ++r) {
            const Cell& cell = cells_.column(c)->cells[static_cast<size_t>(r)];
            if (cell.hasFormula() && cell.state == CellState::Dirty) evaluate(c, r);
        }
    }
}

// Depth-first over the out-of-date precedents with an explicit stack: a chain of any
// length needs no machine stack, and meeting a cell that is still on the stack is a cycle.
void Sheet::evaluate(int column, int row) {
    Cell* start = cells_.find(column, row);
    if (!start || !start->hasFormula() || start->state != CellState::Dirty) return;
    const size_t base = frames_.size();
    start->state = CellState::Busy;
    frames_.push_back(Frame{column, row});
    while (frames_.size() > base) {
        size_t top = frames_.size() - 1;
        Frame frame = frames_[top];
        const Cell* cell = cells_.find(frame.column, frame.row);
        if (!cell || !cell->hasFormula() || cell->state != CellState::Busy) {
            frames_.pop_back();  // changed under us by a callback
            continue;
        }
        int pc, pr;
        bool found = nextDirtyPrecedent(frame, formulas_.get(cell->formula), pc, pr);
        frames_[top] = frame;
        if (found) {
            cells_.find(pc, pr)->state = CellState::Busy;
            frames_.push_back(Frame{pc, pr});
            continue;
        }
        frames_.pop_back();
        computeCell(frame);
    }
}

bool Sheet::nextDirtyPrecedent(Frame& frame, const Formula& formula, int& column, int& row) {
    for (; frame.ref < formula.refs.size(); ++frame.ref, frame.scanColumn = -1) {
        CellRect rect;
        if (!resolveReference(formula.code, formula.refs[frame.ref], frame.column, frame.row,
                              rect))
            continue;
        if (frame.scanColumn < 0) {
            frame.scanColumn = rect.column1;
            frame.scanRow = rect.row1;
        }
        for (; frame.scanColumn <= rect.column2; ++frame.scanColumn, frame.scanRow = rect.row1) {
            const Column* col = cells_.column(frame.scanColumn);
            if (!col) break;
            if (col->formulaCount == 0) continue;
            int last = std::min(rect.row2, static_cast<int>(col->cells.size()) - 1);
            for (; frame.scanRow <= last; ++frame.scanRow) {
                const Cell& p = col->cells[static_cast<size_t>(frame.scanRow)];
                if (!p.hasFormula()) continue;
                if (p.state == CellState::Dirty) {
                    column = frame.scanColumn;
                    row = frame.scanRow;
                    return true;
                }
                if (p.state == CellState::Busy) frame.cycle = true;
            }
        }
    }
    return false;
}

Evaluator& Sheet::acquireEvaluator() {
    if (static_cast<size_t>(evaluatorDepth_) == evaluators_.size())
        evaluators_.push_back(std::make_unique<Evaluator>(*this));
    return *evaluators_[static_cast<size_t>(evaluatorDepth_++)];
}

void Sheet::computeCell(Frame& frame) {
    Cell* cell = cells_.find(frame.column, frame.row);
    std::uint32_t id = cell->formula;
    Operand result;
    if (frame.cycle) {
        result.setError(ErrorCode::Circular);
    } else {
        formulas_.retain(id);  // a callback may overwrite this very cell
        Evaluator& evaluator = acquireEvaluator();
        evaluator.run(formulas_.get(id), frame.column, frame.row, result);
        --evaluatorDepth_;
        formulas_.release(id);
        cell = cells_.find(frame.column, frame.row);
        if (!cell || cell->formula != id || cell->state != CellState::Busy) return;
    }
    storeResult(*cell, result);
    cell->state = CellState::Clean;
}

void Sheet::storeResult(Cell& cell, const Operand& result) {
    if (cell.kind == ValueKind::Text) {
        if (result.kind == ValueKind::Text) {
            cells_.releaseText(cell.text);
            cell.text = cells_.addText(result.text);
            return;
        }
        cells_.releaseText(cell.text);
    }
    cell.kind = result.kind;
    cell.error = result.error;
    cell.number = result.number;
    if (result.kind == ValueKind::Text) cell.text = cells_.addText(result.text);
}

// ---- custom functions -------------------------------------------------------------------

int Sheet::customSlot(std::string_view name) {
    for (size_t i = 0; i < customs_.size(); ++i)
        if (equalsIgnoreCase(customs_[i].name, name)) return static_cast<int>(i);
    CustomEntry entry;
    entry.name = upperAscii(name);
    customs_.push_back(entry);
    return static_cast<int>(customs_.size() - 1);
}

std::string_view Sheet::customName(int slot) const {
    return customs_[static_cast<size_t>(slot)].name;
}

void Sheet::addCustomFunction(std::string_view name, int minArgs, int maxArgs,
                              CustomCallback callback, void* context, int flags) {
    CustomEntry& entry = customs_[static_cast<size_t>(customSlot(name))];
    entry.minArgs = minArgs;
    entry.maxArgs = maxArgs;
    entry.callback = callback;
    entry.context = context;
    entry.flags = flags;
}

bool Sheet::hasCustomFunction(std::string_view name) const {
    for (const CustomEntry& e : customs_)
        if (equalsIgnoreCase(e.name, name)) return e.callback != nullptr;
    return false;
}

void Sheet::adoptCustomFunctions(const Sheet& other) {
    for (const CustomEntry& e : other.customs_)
        if (e.callback) addCustomFunction(e.name, e.minArgs, e.maxArgs, e.callback, e.context, e.flags);
}

void Sheet::restoreFormulaValue(int column, int row, const CellValue& value) {
    Cell* cell = cells_.find(column, row);
    if (!cell || !cell->hasFormula()) return;
    Operand op;
    Evaluator::fromCell(op, value);
    storeResult(*cell, op);
}

// ---- whole sheet ------------------------------------------------------------------------

void Sheet::visitCells(CellVisitor& visitor) const {
    for (int c = 0; c < cells_.columnCount(); ++c) {
        const auto& cells = cells_.column(c)->cells;
        for (int r = 0; r < static_cast<int>(cells.size()); ++r)
            if (!cells[static_cast<size_t>(r)].holdsNothing()) visitor.visit(c, r);
    }
}

int Sheet::lastColumn() const {
    for (int c = cells_.columnCount() - 1; c >= 0; --c)
        for (const Cell& cell : cells_.column(c)->cells)
            if (!cell.holdsNothing()) return c;
    return 0;
}

int Sheet::lastRow() const {
    int last = 0;
    for (int c = 0; c < cells_.columnCount(); ++c) {
        const auto& cells = cells_.column(c)->cells;
        for (int r = static_cast<int>(cells.size()) - 1; r > last; --r)
            if (!cells[static_cast<size_t>(r)].holdsNothing()) {
                last = r;
                break;
            }
    }
    return last;
}

void Sheet::clearAll() {
    if (isCalculating()) return;
    cells_.clearAll();
    formulas_.clear();
    dependencies_.clear();
}

}  // namespace grid
