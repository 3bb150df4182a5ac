// The grid calls about what the window shows: cells under points, cell rectangles and the
// scroll position.
#include <algorithm>

#include "grid/GridLayout.h"
#include "grid/SpreadApi.h"
#include "grid/SpreadWindow.h"
#include "win/Window.h"

namespace {

bool layoutOf(HWND hwnd, grid::SpreadModel*& model, RECT& client) {
    model = SSGetModel(hwnd);
    return model && GetClientRect(hwnd, &client);
}

}  // namespace

BOOL SSGetCellFromPixel(HWND hwnd, int* col, int* row, int x, int y) {
    grid::SpreadModel* m = nullptr;
    RECT client;
    if (!layoutOf(hwnd, m, client)) return FALSE;
    const grid::GridLayout layout(*m, client.right - client.left, client.bottom - client.top);
    const grid::GridHit hit = layout.hitTest(POINT{x, y});
    if (hit.area == grid::GridHit::Outside) return FALSE;
    if (col) *col = hit.column;
    if (row) *row = hit.row;
    return TRUE;
}

BOOL SSGetCellRect(HWND hwnd, int col, int row, RECT* rect) {
    grid::SpreadModel* m = nullptr;
    RECT client;
    if (!rect || !layoutOf(hwnd, m, client)) return FALSE;
    const grid::GridLayout layout(*m, client.right - client.left, client.bottom - client.top);
    return layout.cellRect(col, row, *rect) ? TRUE : FALSE;
}

BOOL SSGetTopLeftCell(HWND hwnd, int* col, int* row) {
    grid::SpreadModel* m = SSGetModel(hwnd);
    if (!m) return FALSE;
    if (col) *col = m->selection().leftColumn;
    if (row) *row = m->selection().topRow;
    return TRUE;
}

BOOL SSSetTopLeftCell(HWND hwnd, int col, int row) {
    grid::SpreadModel* m = SSGetModel(hwnd);
    if (!m || col < 1 || row < 1 || col > std::max(m->maxColumns(), 1) ||
        row > std::max(m->maxRows(), 1))
        return FALSE;
    m->selection().leftColumn = col;
    m->selection().topRow = row;
    return TRUE;
}
