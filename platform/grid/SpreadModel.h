#pragma once
// Everything a grid control keeps about its sheet apart from the window: the calculation
// sheet, the sheet's size, cell types and formats, spans, column widths and row heights,
// the boolean options, selection and editing state. The window layer forwards its calls
// here; benchmarks, fuzzers and tests use it without a window.
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "grid/CellType.h"
#include "grid/CellTypeRules.h"
#include "grid/Sheet.h"

namespace grid {

inline constexpr int kHeaderIndex = -32767;
inline constexpr std::uint32_t kNoColor = 0xFFFFFFFF;
inline constexpr int kOptionCount = 64;
inline constexpr int kOptionRowHeaders = 4;
inline constexpr int kOptionAutoCalc = 7;
inline constexpr int kOptionEnterMovesOn = 12;  // Enter moves the active cell down
inline constexpr int kOptionRedraw = 8;
inline constexpr int kOptionChanged = 30;
inline constexpr int kDefaultColumnWidth = 64;  // pixels
inline constexpr int kDefaultRowHeight = 20;
inline constexpr double kPixelsPerWidthUnit = 8.0;    // a width unit: one average character
inline constexpr double kPixelsPerHeightUnit = 4.0 / 3.0;  // a height unit: one point

enum class TextKind { Data = 0, Formula = 1, Tag = 2, Value = 3 };

struct FontSpec {
    std::string face = "Tahoma";
    int height = 15;  // cell height in pixels
    int weight = 400;
    bool italic = false, underline = false, strikeOut = false;
    int charSet = 1;
    bool operator==(const FontSpec& o) const {
        return face == o.face && height == o.height && weight == o.weight &&
               italic == o.italic && underline == o.underline && strikeOut == o.strikeOut &&
               charSet == o.charSet;
    }
};

struct BorderSpec {
    int type = 0;
    int style = 0;
    std::uint32_t color = 0;
    bool operator==(const BorderSpec& o) const {
        return type == o.type && style == o.style && color == o.color;
    }
};

struct CellFormat {
    std::uint32_t typeId = 0;  // 0 is the general type
    std::uint32_t fontId = 0;  // 0 is the sheet's default font
    std::uint32_t backColor = kNoColor, foreColor = kNoColor;
    BorderSpec border;
    bool locked = false;
    std::string tag;
    std::string note;  // shown by the note indicator
    bool isDefault() const {
        return typeId == 0 && fontId == 0 && backColor == kNoColor && foreColor == kNoColor &&
               border == BorderSpec() && !locked && tag.empty() && note.empty();
    }
};

struct Span {
    int column = 0, row = 0, columns = 1, rows = 1;
};

struct TextTipSettings {
    int status = 0;
    int delay = 500;
    FontSpec font;
    bool hasFont = false;
    std::uint32_t backColor = 0xE1FFFF, foreColor = 0;
};

// The look and behaviour settings that only the window uses; kept here so files keep them.
struct ViewSettings {
    int appearance = 0;
    int operationMode = 0;
    int backColorStyle = 0;
    std::uint32_t selBackColor = kNoColor, selForeColor = kNoColor;
    std::uint32_t colorPair1[2] = {kNoColor, kNoColor};
    std::uint32_t colorPair2[2] = {kNoColor, kNoColor};
    int twoArgOption[2] = {0, 0};
    int noteIndicator = 0;
    int gridType = 0;                    // how the lines between cells are drawn (SSSetGridType)
    std::uint32_t gridColor = kNoColor;  // their colour; kNoColor: the window's default
    std::map<int, std::array<int, 3>> actionKeys;  // action -> shift, control, key
    TextTipSettings textTip;
};

struct SelectionState {
    // A fresh grid starts on its first cell, whether or not it has rows yet.
    int activeColumn = 1, activeRow = 1;
    bool hasBlock = false;
    CellRect block;
    bool editing = false;
    int editStart = 0, editEnd = 0;
    std::string editText;  // what the cell editor holds while editing
    // Whether the user changed the editor's text; only then is it written back, so a cell
    // the program rewrote while the editor was open (a replace) keeps the program's text.
    bool editChanged = false;
    // The first column and row shown right of and below the header band (scroll position).
    int leftColumn = 1, topRow = 1;
};

class SpreadModel {
public:
    SpreadModel();
    ~SpreadModel();

    Sheet& sheet() { return *sheet_; }
    const Sheet& sheet() const { return *sheet_; }

    // Size.
    int maxColumns() const { return maxColumns_; }
    int maxRows() const { return maxRows_; }
    void setMaxColumns(int n);
    void setMaxRows(int n);
    // A column or row index as the callers pass it: the header index means 0.
    static int normalise(int index) { return index == kHeaderIndex ? 0 : index; }
    bool isCell(int column, int row) const;

    // Cell text.
    bool setData(int column, int row, std::string_view text);
    bool setValue(int column, int row, std::string_view text);
    bool setFormula(int column, int row, std::string_view text, bool recalculate);
    bool text(int column, int row, TextKind kind, std::string& out);
    int textLength(int column, int row, TextKind kind);
    bool number(int column, int row, double& out);
    bool setTag(int column, int row, std::string_view tag);
    std::string tag(int column, int row) const;
    bool setNote(int column, int row, std::string_view note);
    std::string note(int column, int row) const;

    // Types and formats; ranges are clipped to the sheet, -1 means every column or row.
    bool setType(int c1, int r1, int c2, int r2, const CellType& type);
    const CellType& type(int column, int row) const;
    int typeCode(int column, int row) const { return type(column, row).code; }
    bool setFont(int c1, int r1, int c2, int r2, const FontSpec& font);
    const FontSpec& font(int column, int row) const;
    bool setColors(int c1, int r1, int c2, int r2, std::uint32_t back, std::uint32_t fore);
    bool colors(int column, int row, std::uint32_t& back, std::uint32_t& fore) const;
    bool setBorder(int c1, int r1, int c2, int r2, const BorderSpec& border);
    BorderSpec border(int column, int row) const;
    bool setLock(int c1, int r1, int c2, int r2, bool locked);
    bool isLocked(int column, int row) const;
    const FontSpec& defaultFont() const { return fonts_[0]; }
    void setDefaultFont(const FontSpec& font) { fonts_[0] = font; }

    // Spans.
    bool addSpan(int column, int row, int columns, int rows);
    bool removeSpan(int column, int row);
    // The span covering the cell; false when none.
    bool spanAt(int column, int row, Span& span) const;
    const std::vector<Span>& spans() const { return spans_; }

    // Sizes in pixels; the header column and row are index 0.
    int columnWidth(int column) const;
    int rowHeight(int row) const;
    bool setColumnWidth(int column, int pixels);
    bool setRowHeight(int row, int pixels);
    const std::map<int, int>& columnWidths() const { return columnWidths_; }
    const std::map<int, int>& rowHeights() const { return rowHeights_; }

    // Options by index; 7 drives automatic calculation, 30 is set by every change.
    bool option(int index) const;
    void setOption(int index, bool on);
    ViewSettings& view() { return view_; }
    const ViewSettings& view() const { return view_; }
    SelectionState& selection() { return selection_; }
    const SelectionState& selection() const { return selection_; }

    // Structure; formats, spans and sizes follow the cells.
    bool insertRows(int row, int count);
    bool deleteRows(int row, int count);
    bool insertColumns(int column, int count);
    bool deleteColumns(int column, int count);
    bool copyRange(int c1, int r1, int c2, int r2, int toColumn, int toRow);
    bool moveRange(int c1, int r1, int c2, int r2, int toColumn, int toRow);
    bool clearRange(int c1, int r1, int c2, int r2);

    // Copy and paste of the selected block (the two edit commands).
    bool copySelection();
    bool pasteAtActiveCell();

    // Back to an empty sheet with default settings; custom functions stay registered.
    void reset();
    // Takes over the content of another model (a sheet just read from a file); custom
    // functions of this one stay registered.
    void takeContent(SpreadModel& other);

    // For the file reader and writer.
    const std::vector<CellType>& types() const { return types_; }
    const std::vector<FontSpec>& fonts() const { return fonts_; }
    const std::unordered_map<std::uint64_t, CellFormat>& formats() const { return formats_; }
    std::uint32_t internType(const CellType& type);
    std::uint32_t internFont(const FontSpec& font);
    CellFormat& formatAt(int column, int row);
    static std::uint64_t key(int column, int row) {
        return (static_cast<std::uint64_t>(static_cast<std::uint32_t>(column)) << 32) |
               static_cast<std::uint32_t>(row);
    }
    static int keyColumn(std::uint64_t k) { return static_cast<int>(k >> 32); }
    static int keyRow(std::uint64_t k) { return static_cast<int>(k & 0xFFFFFFFFu); }

private:
    const CellFormat* findFormat(int column, int row) const;
    bool clip(int& c1, int& r1, int& c2, int& r2) const;
    template <class Apply>
    bool forRange(int c1, int r1, int c2, int r2, Apply&& apply);
    bool writeEntry(int column, int row, std::string_view text, EntryForm form);
    void markChanged() { options_[kOptionChanged] = true; }
    void copyHeaderCells(int c1, int r1, int c2, int r2, int toColumn, int toRow);
    bool copyCells(int c1, int r1, int c2, int r2, int toColumn, int toRow);
    void remapFormats(bool rows, int at, int count);
    void remapSpans(bool rows, int at, int count);
    static void remapSizes(std::map<int, int>& sizes, int at, int count);

    std::unique_ptr<Sheet> sheet_;
    int maxColumns_ = 0, maxRows_ = 0;
    std::vector<CellType> types_;
    std::vector<FontSpec> fonts_;
    std::unordered_map<std::uint64_t, CellFormat> formats_;
    std::vector<Span> spans_;
    std::map<int, int> columnWidths_, rowHeights_;
    std::array<bool, kOptionCount> options_{};
    ViewSettings view_;
    SelectionState selection_;
    struct Clip {
        bool valid = false;
        CellRect rect;
    } clipboard_;
};

}  // namespace grid
