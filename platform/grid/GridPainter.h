#pragma once
// Draws a grid window for the window painter's pictures: header band, grid lines, cells as
// their types show them, fonts, colours, borders, spans, locks, the active cell, the
// selected block and the scroll position. Registered with the window painter for the grid
// window class when the class is registered.
namespace grid {

void registerGridPainter();

}  // namespace grid
