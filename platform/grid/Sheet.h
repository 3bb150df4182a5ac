#pragma once
// One sheet of the calculation engine: cells with values and formulas, the dependency
// index, recalculation and the structure operations. Addresses are (column, row), 1-based;
// 0 is the header band, which holds values but no formulas refer to it.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "grid/CellStore.h"
#include "grid/CellValue.h"
#include "grid/CustomFunction.h"
#include "grid/DependencyIndex.h"
#include "grid/FormulaParser.h"
#include "grid/FormulaStore.h"

namespace grid {

class Evaluator;

class Sheet : private FunctionNames {
public:
    Sheet();
    ~Sheet() override;
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // Content. Writes outside the sheet's limits are ignored (false).
    bool setNumber(int column, int row, double value);
    bool setText(int column, int row, std::string_view text);
    bool setBool(int column, int row, bool value);
    bool setError(int column, int row, ErrorCode error);
    bool clearCell(int column, int row);
    // Parses the text (a leading "=" is optional); false and nothing changed when it is
    // not a formula. With recalculate the cell is computed at once, whatever the mode.
    bool setFormula(int column, int row, std::string_view text, bool recalculate = false);
    std::string lastFormulaError() const { return lastError_; }

    // The value; with automatic calculation on, a formula that is out of date is computed
    // first. The text is valid until the sheet next changes.
    CellValue value(int column, int row);
    // The value as stored, never calculating.
    CellValue storedValue(int column, int row) const;
    bool hasFormula(int column, int row) const;
    // The formula text ("=..." in the current reference style), empty when none.
    std::string formulaText(int column, int row) const;
    std::string formulaText(int column, int row, RefStyle style) const;

    void setRefStyle(RefStyle style) { refStyle_ = style; }
    RefStyle refStyle() const { return refStyle_; }

    // Calculation.
    void setAutoCalculate(bool on) { autoCalculate_ = on; }
    bool autoCalculate() const { return autoCalculate_; }
    void recalculateCell(int column, int row);
    // Every formula anew, in dependency order.
    void recalculateAll();
    bool isOutOfDate(int column, int row) const;

    // Custom functions; registering a name again replaces it.
    void addCustomFunction(std::string_view name, int minArgs, int maxArgs,
                           CustomCallback callback, void* context, int flags);
    bool hasCustomFunction(std::string_view name) const;
    // Registers every function the other sheet has (a sheet replacing it after a load).
    void adoptCustomFunctions(const Sheet& other);
    // True while a formula of this sheet is being calculated (callbacks may be running).
    bool isCalculating() const { return evaluatorDepth_ > 0 || !frames_.empty(); }
    // The value a formula showed when its sheet was saved; the formula stays out of date.
    void restoreFormulaValue(int column, int row, const CellValue& value);

    // Structure: formulas' references, wherever they are, follow the cells.
    void insertRows(int row, int count);
    void deleteRows(int row, int count);
    void insertColumns(int column, int count);
    void deleteColumns(int column, int count);
    // Copies the block to (toColumn, toRow): values as they are, formulas with their
    // relative references shifted; references leaving the sheet become #REF!.
    void copyRange(const CellRect& from, int toColumn, int toRow);
    // Moves the block; references to the moved cells follow them.
    void moveRange(const CellRect& from, int toColumn, int toRow);
    void clearRange(const CellRect& rect);
    void clearAll();

    // Every cell that holds a value or a formula, column by column, rows ascending.
    class CellVisitor {
    public:
        virtual ~CellVisitor() = default;
        virtual void visit(int column, int row) = 0;
    };
    void visitCells(CellVisitor& visitor) const;
    // Highest column and row holding anything (0 when none).
    int lastColumn() const;
    int lastRow() const;

    // How a structure change moves cells (SheetStructure.cpp).
    class CellMapping;

    // For the evaluator.
    CellStore& cells() { return cells_; }
    const CellStore& cells() const { return cells_; }

private:
    friend class Evaluator;
    struct CustomEntry {
        std::string name;
        int minArgs = 0, maxArgs = 0;
        CustomCallback callback = nullptr;
        void* context = nullptr;
        int flags = 0;
    };
    struct Frame {
        int column, row;
        std::uint32_t ref = 0;
        int scanColumn = -1, scanRow = 0;
        bool cycle = false;
    };

    int customSlot(std::string_view name) override;
    std::string_view customName(int slot) const override;

    static bool inLimits(int column, int row);
    Cell* prepareWrite(int column, int row);
    void finishWrite(int column, int row);
    void detachFormula(int column, int row, Cell& cell);
    void attachFormula(int column, int row, std::uint32_t id);
    void markDependentsDirty(int column, int row);
    void evaluate(int column, int row);
    bool nextDirtyPrecedent(Frame& frame, const Formula& formula, int& column, int& row);
    void computeCell(Frame& frame);
    void storeResult(Cell& cell, const struct Operand& result);
    Evaluator& acquireEvaluator();

    // Structure helpers (SheetStructure.cpp).
    void remap(const CellMapping& mapping, const CellRect* source, const CellRect* target);
    void rebuildDependencies();
    std::string adjustCode(const std::string& code, int oldColumn, int oldRow, int newColumn,
                           int newRow, const CellMapping& mapping) const;

    CellStore cells_;
    FormulaStore formulas_;
    DependencyIndex dependencies_;
    std::vector<CustomEntry> customs_;
    std::vector<Frame> frames_;
    std::vector<std::pair<int, int>> dirtyWork_;
    std::string parseBuffer_;  // reused by every setFormula
    std::vector<std::unique_ptr<Evaluator>> evaluators_;
    int evaluatorDepth_ = 0;
    RefStyle refStyle_ = RefStyle::Default;
    bool autoCalculate_ = true;
    std::string lastError_;
};

}  // namespace grid
