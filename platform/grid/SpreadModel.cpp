#include "grid/SpreadModel.h"

#include <algorithm>

#include "grid/CellTypeRules.h"
#include "grid/TextRules.h"

namespace grid {

SpreadModel::SpreadModel() : sheet_(std::make_unique<Sheet>()) { reset(); }
SpreadModel::~SpreadModel() = default;

void SpreadModel::reset() {
    auto fresh = std::make_unique<Sheet>();
    if (sheet_) fresh->adoptCustomFunctions(*sheet_);
    sheet_ = std::move(fresh);
    maxColumns_ = 0;
    maxRows_ = 0;
    types_.assign(1, CellType());
    fonts_.assign(1, FontSpec());
    formats_.clear();
    spans_.clear();
    columnWidths_.clear();
    rowHeights_.clear();
    options_.fill(false);
    options_[kOptionRowHeaders] = true;
    options_[kOptionAutoCalc] = true;
    options_[kOptionRedraw] = true;
    view_ = ViewSettings();
    selection_ = SelectionState();
    clipboard_ = Clip();
}

void SpreadModel::takeContent(SpreadModel& other) {
    other.sheet_->adoptCustomFunctions(*sheet_);
    std::swap(sheet_, other.sheet_);
    maxColumns_ = other.maxColumns_;
    maxRows_ = other.maxRows_;
    types_.swap(other.types_);
    fonts_.swap(other.fonts_);
    formats_.swap(other.formats_);
    spans_.swap(other.spans_);
    columnWidths_.swap(other.columnWidths_);
    rowHeights_.swap(other.rowHeights_);
    options_ = other.options_;
    view_ = other.view_;
    selection_ = other.selection_;
    sheet_->setAutoCalculate(options_[kOptionAutoCalc]);
}

// ---- size -------------------------------------------------------------------------------

void SpreadModel::setMaxColumns(int n) {
    maxColumns_ = std::clamp(n, 0, kMaxColumns);
    markChanged();
}

void SpreadModel::setMaxRows(int n) {
    maxRows_ = std::clamp(n, 0, kMaxRows);
    markChanged();
}

bool SpreadModel::isCell(int column, int row) const {
    column = normalise(column);
    row = normalise(row);
    return column >= 0 && row >= 0 && column <= maxColumns_ && row <= maxRows_;
}

// ---- text -------------------------------------------------------------------------------

bool SpreadModel::writeEntry(int column, int row, std::string_view text, EntryForm form) {
    column = normalise(column);
    row = normalise(row);
    if (!isCell(column, row)) return false;
    Entry entry = interpretEntry(type(column, row), text, form);
    if (!entry.accepted) return false;
    switch (entry.kind) {
    case ValueKind::Number: sheet_->setNumber(column, row, entry.number); break;
    case ValueKind::Text: sheet_->setText(column, row, entry.text); break;
    default: sheet_->clearCell(column, row); break;
    }
    markChanged();
    return true;
}

bool SpreadModel::setData(int column, int row, std::string_view text) {
    return writeEntry(column, row, text, EntryForm::Data);
}

bool SpreadModel::setValue(int column, int row, std::string_view text) {
    return writeEntry(column, row, text, EntryForm::Value);
}

bool SpreadModel::setFormula(int column, int row, std::string_view text, bool recalculate) {
    column = normalise(column);
    row = normalise(row);
    if (!isCell(column, row) || column < 1 || row < 1) return false;
    bool blank = text.find_first_not_of(" \t=") == std::string_view::npos;
    if (blank) {
        sheet_->clearCell(column, row);
    } else if (!sheet_->setFormula(column, row, text, recalculate)) {
        return false;
    }
    markChanged();
    return true;
}

bool SpreadModel::text(int column, int row, TextKind kind, std::string& out) {
    out.clear();
    column = normalise(column);
    row = normalise(row);
    if (!isCell(column, row)) return false;
    switch (kind) {
    case TextKind::Data:
    case TextKind::Value: {
        CellValue v = sheet_->value(column, row);
        if (v.isEmpty() && (row == 0) != (column == 0)) {
            // An unnamed header shows the column letters or the row number.
            out = row == 0 ? columnLetters(column) : std::to_string(row);
            break;
        }
        out = kind == TextKind::Data ? dataText(type(column, row), v) : valueText(type(column, row), v);
        break;
    }
    case TextKind::Formula: out = sheet_->formulaText(column, row); break;
    case TextKind::Tag: out = tag(column, row); break;
    }
    return true;
}

int SpreadModel::textLength(int column, int row, TextKind kind) {
    std::string t;
    if (!text(column, row, kind, t)) return 0;
    return static_cast<int>(t.size());
}

bool SpreadModel::number(int column, int row, double& out) {
    column = normalise(column);
    row = normalise(row);
    out = 0;
    if (!isCell(column, row)) return false;
    CellValue v = sheet_->value(column, row);
    if (v.kind == ValueKind::Number || v.kind == ValueKind::Bool) {
        out = v.number;
        return true;
    }
    return v.kind == ValueKind::Empty;
}

bool SpreadModel::setTag(int column, int row, std::string_view tag) {
    column = normalise(column);
    row = normalise(row);
    if (!isCell(column, row)) return false;
    formatAt(column, row).tag.assign(tag);
    markChanged();
    return true;
}

std::string SpreadModel::tag(int column, int row) const {
    const CellFormat* f = findFormat(normalise(column), normalise(row));
    return f ? f->tag : std::string();
}

bool SpreadModel::setNote(int column, int row, std::string_view note) {
    column = normalise(column);
    row = normalise(row);
    if (!isCell(column, row)) return false;
    formatAt(column, row).note.assign(note);
    markChanged();
    return true;
}

std::string SpreadModel::note(int column, int row) const {
    const CellFormat* f = findFormat(normalise(column), normalise(row));
    return f ? f->note : std::string();
}

// ---- types and formats ------------------------------------------------------------------

const CellFormat* SpreadModel::findFormat(int column, int row) const {
    auto it = formats_.find(key(column, row));
    return it == formats_.end() ? nullptr : &it->second;
}

CellFormat& SpreadModel::formatAt(int column, int row) { return formats_[key(column, row)]; }

std::uint32_t SpreadModel::internType(const CellType& type) {
    for (size_t i = 0; i < types_.size(); ++i)
        if (types_[i] == type) return static_cast<std::uint32_t>(i);
    types_.push_back(type);
    return static_cast<std::uint32_t>(types_.size() - 1);
}

std::uint32_t SpreadModel::internFont(const FontSpec& font) {
    for (size_t i = 1; i < fonts_.size(); ++i)
        if (fonts_[i] == font) return static_cast<std::uint32_t>(i);
    fonts_.push_back(font);
    return static_cast<std::uint32_t>(fonts_.size() - 1);
}

bool SpreadModel::clip(int& c1, int& r1, int& c2, int& r2) const {
    c1 = normalise(c1);
    r1 = normalise(r1);
    c2 = normalise(c2);
    r2 = normalise(r2);
    if (c1 == -1 || c2 == -1) {
        c1 = 0;
        c2 = maxColumns_;
    }
    if (r1 == -1 || r2 == -1) {
        r1 = 0;
        r2 = maxRows_;
    }
    if (c1 > c2) std::swap(c1, c2);
    if (r1 > r2) std::swap(r1, r2);
    c1 = std::max(c1, 0);
    r1 = std::max(r1, 0);
    c2 = std::min(c2, maxColumns_);
    r2 = std::min(r2, maxRows_);
    return c1 <= c2 && r1 <= r2;
}

template <class Apply>
bool SpreadModel::forRange(int c1, int r1, int c2, int r2, Apply&& apply) {
    if (!clip(c1, r1, c2, r2)) return false;
    for (int c = c1; c <= c2; ++c)
        for (int r = r1; r <= r2; ++r) apply(formatAt(c, r));
    markChanged();
    return true;
}

bool SpreadModel::setType(int c1, int r1, int c2, int r2, const CellType& type) {
    std::uint32_t id = internType(type);
    return forRange(c1, r1, c2, r2, [&](CellFormat& f) { f.typeId = id; });
}

const CellType& SpreadModel::type(int column, int row) const {
    const CellFormat* f = findFormat(normalise(column), normalise(row));
    return types_[f ? f->typeId : 0];
}

bool SpreadModel::setFont(int c1, int r1, int c2, int r2, const FontSpec& font) {
    std::uint32_t id = internFont(font);
    return forRange(c1, r1, c2, r2, [&](CellFormat& f) { f.fontId = id; });
}

const FontSpec& SpreadModel::font(int column, int row) const {
    const CellFormat* f = findFormat(normalise(column), normalise(row));
    return fonts_[f ? f->fontId : 0];
}

bool SpreadModel::setColors(int c1, int r1, int c2, int r2, std::uint32_t back,
                            std::uint32_t fore) {
    return forRange(c1, r1, c2, r2, [&](CellFormat& f) {
        f.backColor = back;
        f.foreColor = fore;
    });
}

bool SpreadModel::colors(int column, int row, std::uint32_t& back, std::uint32_t& fore) const {
    const CellFormat* f = findFormat(normalise(column), normalise(row));
    back = f ? f->backColor : kNoColor;
    fore = f ? f->foreColor : kNoColor;
    return isCell(column, row);
}

bool SpreadModel::setBorder(int c1, int r1, int c2, int r2, const BorderSpec& border) {
    return forRange(c1, r1, c2, r2, [&](CellFormat& f) { f.border = border; });
}

BorderSpec SpreadModel::border(int column, int row) const {
    const CellFormat* f = findFormat(normalise(column), normalise(row));
    return f ? f->border : BorderSpec();
}

bool SpreadModel::setLock(int c1, int r1, int c2, int r2, bool locked) {
    return forRange(c1, r1, c2, r2, [&](CellFormat& f) { f.locked = locked; });
}

bool SpreadModel::isLocked(int column, int row) const {
    const CellFormat* f = findFormat(normalise(column), normalise(row));
    return f && f->locked;
}

// ---- spans ------------------------------------------------------------------------------

bool SpreadModel::addSpan(int column, int row, int columns, int rows) {
    column = normalise(column);
    row = normalise(row);
    if (columns < 1 || rows < 1 || !isCell(column, row)) return false;
    if (columns == 1 && rows == 1) return false;
    CellRect wanted{column, row, column + columns - 1, row + rows - 1};
    // A new span replaces the spans it overlaps.
    spans_.erase(std::remove_if(spans_.begin(), spans_.end(),
                                [&](const Span& s) {
                                    return s.column <= wanted.column2 &&
                                           s.column + s.columns - 1 >= wanted.column1 &&
                                           s.row <= wanted.row2 && s.row + s.rows - 1 >= wanted.row1;
                                }),
                 spans_.end());
    spans_.push_back({column, row, columns, rows});
    markChanged();
    return true;
}

bool SpreadModel::removeSpan(int column, int row) {
    column = normalise(column);
    row = normalise(row);
    for (auto it = spans_.begin(); it != spans_.end(); ++it) {
        if (it->column == column && it->row == row) {
            spans_.erase(it);
            markChanged();
            return true;
        }
    }
    return false;
}

bool SpreadModel::spanAt(int column, int row, Span& span) const {
    column = normalise(column);
    row = normalise(row);
    for (const Span& s : spans_) {
        if (column >= s.column && column < s.column + s.columns && row >= s.row &&
            row < s.row + s.rows) {
            span = s;
            return true;
        }
    }
    return false;
}

// ---- sizes ------------------------------------------------------------------------------

int SpreadModel::columnWidth(int column) const {
    column = normalise(column);
    auto it = columnWidths_.find(column);
    return it == columnWidths_.end() ? (column == 0 ? 40 : kDefaultColumnWidth) : it->second;
}

int SpreadModel::rowHeight(int row) const {
    row = normalise(row);
    auto it = rowHeights_.find(row);
    return it == rowHeights_.end() ? kDefaultRowHeight : it->second;
}

bool SpreadModel::setColumnWidth(int column, int pixels) {
    column = normalise(column);
    if (column < -1 || column > maxColumns_ || pixels < 0) return false;
    if (column == -1) {
        for (int c = 0; c <= maxColumns_; ++c) columnWidths_[c] = pixels;
    } else {
        columnWidths_[column] = pixels;
    }
    return true;
}

bool SpreadModel::setRowHeight(int row, int pixels) {
    row = normalise(row);
    if (row < -1 || row > maxRows_ || pixels < 0) return false;
    if (row == -1) {
        for (int r = 0; r <= maxRows_; ++r) rowHeights_[r] = pixels;
    } else {
        rowHeights_[row] = pixels;
    }
    return true;
}

// ---- options ----------------------------------------------------------------------------

bool SpreadModel::option(int index) const {
    return index >= 0 && index < kOptionCount && options_[static_cast<size_t>(index)];
}

void SpreadModel::setOption(int index, bool on) {
    if (index < 0 || index >= kOptionCount) return;
    options_[static_cast<size_t>(index)] = on;
    if (index == kOptionAutoCalc) sheet_->setAutoCalculate(on);
}

}  // namespace grid
