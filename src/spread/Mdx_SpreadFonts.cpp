#include "spread/Mdx_Spread.h"
#include "win/Gdi.h"

bool Mdx_Spread::setRangeFont(int c1, int r1, int c2, int r2, const Mdx_String& face, int height,
                              bool bold, bool textTip) {
    if (!attached) return false;
    CFont font;
    if (!font.CreateFont(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET,
                         OUT_CHARACTER_PRECIS, CLIP_CHARACTER_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH, face.c_str()))
        return false;
    const bool set = SetFontRange(c1, r1, c2, r2, font, TRUE) != FALSE;
    if (textTip) {
        int status = 0, delay = 0;
        LOGFONT current;
        COLORREF back = 0, fore = 0;
        GetTextTip(&status, &delay, &current, &back, &fore);
        LOGFONT tipFont;
        font.GetLogFont(&tipFont);
        SetTextTip(1, 0, &tipFont, back, fore);
    }
    return set;
}

bool Mdx_Spread::applyHeaderFonts() {
    if (!attached) return false;
    const int cols = GetMaxCols();
    const int rows = GetMaxRows();
    if (cols >= 1) setRangeFont(1, SS_HEADER, cols, SS_HEADER, fontFace, fontHeight, true, true);
    if (rows >= 1) setRangeFont(SS_HEADER, 1, SS_HEADER, rows, fontFace, fontHeight, true, true);
    return true;
}

bool Mdx_Spread::applyFonts(bool textTip) {
    if (!applyHeaderFonts()) return false;
    const int cols = GetMaxCols();
    const int rows = GetMaxRows();
    if (cols >= 1 && rows >= 1)
        setRangeFont(1, 1, cols, rows, fontFace, fontHeight, false, textTip);
    return true;
}

bool Mdx_Spread::applyRowFont(int row, bool headerToo) {
    if (!isRow(row)) return false;
    if (headerToo) setRangeFont(SS_HEADER, row, SS_HEADER, row, fontFace, fontHeight, true, true);
    const int cols = GetMaxCols();
    if (cols >= 1) setRangeFont(1, row, cols, row, fontFace, fontHeight, false, false);
    return true;
}

bool Mdx_Spread::applyColFont(int col, bool headerToo) {
    if (!isColumn(col)) return false;
    if (headerToo) setRangeFont(col, SS_HEADER, col, SS_HEADER, fontFace, fontHeight, true, true);
    const int rows = GetMaxRows();
    if (rows >= 1) setRangeFont(col, 1, col, rows, fontFace, fontHeight, false, false);
    return true;
}
