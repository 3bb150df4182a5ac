#pragma once
// Where the cells of a grid window lie in its client area: the header band (row 0 and
// column 0, each hidden when its size is 0 or, for the row headers, when option 4 is off),
// the scrolled part from the first shown column and row, column widths and row heights
// (a size of 0 hides a column or row), and spans drawn as one cell. Hit-testing, the
// scripted user and the painter all use this one geometry.
#include "grid/SpreadModel.h"
#include "win/WinTypes.h"

namespace grid {

struct GridHit {
    enum Area { Outside, Corner, ColumnHeader, RowHeader, Cell };
    Area area = Outside;
    int column = 0, row = 0;  // a spanned cell is reported by its span's anchor
};

class GridLayout {
public:
    GridLayout(const SpreadModel& model, int clientWidth, int clientHeight);

    int headerWidth() const { return headerWidth_; }
    int headerHeight() const { return headerHeight_; }
    int clientWidth() const { return width_; }
    int clientHeight() const { return height_; }

    GridHit hitTest(POINT point) const;
    // The client rectangle of a cell (of its whole span when the cell is an anchor; a
    // covered cell gives its anchor's); header cells with 0. False when it is not shown at
    // all (scrolled away, hidden, outside the sheet).
    bool cellRect(int column, int row, RECT& rect) const;
    // The last column and row that are at least partly shown.
    int lastShownColumn() const;
    int lastShownRow() const;
    // Whether the cell lies wholly inside the scrolled area.
    bool fullyShown(int column, int row) const;
    // The first column and row to show so that the cell is wholly in view, keeping the
    // present ones when it already is.
    void scrollToShow(int column, int row, int& leftColumn, int& topRow) const;

private:
    int columnLeft(int column) const;  // x of a scrolled column's left edge
    int rowTop(int row) const;
    int columnAt(int x) const;         // 0 when past the last column
    int rowAt(int y) const;

    const SpreadModel& model_;
    int width_, height_;
    int headerWidth_, headerHeight_;
    int leftColumn_, topRow_;
};

}  // namespace grid
