#pragma once
// The headless font model: text extents come from a fixed table of character advances, so
// layouts that depend on text sizes are the same on every machine.
//
// Sizes: a negative lfHeight is the character (em) height; a positive one the cell height,
// which is 1.2 em; 0 means the default dialog font (em 11, cell 13). Advances are given per
// character in thousandths of an em for a proportional sans face; faces known to be fixed
// pitch ("Courier", "Courier New", "Lucida Console", "Consolas", "Fixedsys", "Terminal")
// use 600 for every character; weights of 600 and above are 10% wider; bytes outside the
// printable ASCII range count as a digit, control characters as nothing.
#include <string_view>

#include "win/LogFont.h"

namespace win {

double emHeight(const LOGFONT& font);
// Pixel height of one text line (the cell height).
int lineHeight(const LOGFONT& font);
// Pixel width of a single line of text.
int textWidth(const LOGFONT& font, std::string_view text);
// Width of the widest line and the height of all lines ('\n' separates lines; "\r\n" too).
SIZE textExtent(const LOGFONT& font, std::string_view text);
// The average width of the letters a-z and A-Z, rounded, as the dialog manager measures it.
int averageCharWidth(const LOGFONT& font);
// The height of a closed drop-down combo box: one text line and its frame. The height a
// combo box is made with beyond that belongs to the list it drops down.
inline int closedComboHeight(const LOGFONT& font) { return lineHeight(font) + 8; }

}  // namespace win
