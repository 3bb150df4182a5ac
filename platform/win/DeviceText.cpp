// Text on device contexts, measured by the font model and drawn with cairo onto the surface.
#include <cairo.h>

#include <algorithm>
#include <string>
#include <vector>

#include "win/FontMetrics.h"
#include "win/GdiObjects.h"
#include "win/PaintDC.h"
#include "win/SurfacePixels.h"
#include "win/WindowPainter.h"

using win::detail::DeviceContext;
using win::detail::DrawingSurface;

namespace {

LOGFONT fontOf(const DeviceContext& context) {
    if (const auto* object = win::detail::findGdiObject(context.font);
        object && object->kind == win::detail::GdiKind::Font)
        return object->font;
    LOGFONT lf;
    lf.lfHeight = -11;
    setFaceName(lf, "MS Sans Serif");
    return lf;
}

std::string textOf(LPCSTR text, int length) {
    if (!text) return {};
    return length < 0 ? std::string(text) : std::string(text, static_cast<std::size_t>(length));
}

std::vector<std::string> linesOf(const std::string& s, bool single) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || (!single && s[i] == '\n')) {
            std::string l = s.substr(start, i - start);
            if (!l.empty() && l.back() == '\r') l.pop_back();
            lines.push_back(l);
            start = i + 1;
        }
    return lines;
}

std::string withoutPrefixMarks(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size()) ++i;
        else if (text[i] == '&') continue;
        out += text[i];
    }
    return out;
}

// One line at (x, y) (top of the line cell), squeezed to the model's width.
void drawLine(const DrawingSurface& s, const LOGFONT& font, COLORREF color, const std::string& l,
              double x, double y, const RECT* clip) {
    if (!s.pixels || s.monochrome || l.empty()) return;
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(s.pixels), CAIRO_FORMAT_ARGB32, s.width, s.height,
        s.stride * 4);
    cairo_t* cr = cairo_create(surface);
    cairo_translate(cr, s.originX, s.originY);
    if (clip) {
        cairo_rectangle(cr, clip->left, clip->top, clip->right - clip->left,
                        clip->bottom - clip->top);
        cairo_clip(cr);
    }
    cairo_select_font_face(
        cr, "Sans", font.lfItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
        font.lfWeight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    const double em = win::emHeight(font);
    const int lineH = win::lineHeight(font);
    cairo_set_font_size(cr, em);
    cairo_set_source_rgb(cr, GetRValue(color) / 255.0, GetGValue(color) / 255.0,
                         GetBValue(color) / 255.0);
    const std::string utf8 = win::windows1252ToUtf8(l);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, utf8.c_str(), &ext);
    const double model = win::textWidth(font, l);
    const double squeeze = (ext.x_advance > model && ext.x_advance > 0) ? model / ext.x_advance : 1;
    cairo_translate(cr, x, y + lineH - (lineH - em) / 2 - em * 0.2);
    cairo_scale(cr, squeeze, 1.0);
    cairo_move_to(cr, 0, 0);
    cairo_show_text(cr, utf8.c_str());
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    cairo_surface_destroy(surface);
}

void fillBackground(const DeviceContext& context, const RECT& r) {
    if (context.backMode != OPAQUE) return;
    const DrawingSurface s = win::detail::surfaceOf(context);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            win::detail::putPixel(s, x, y, win::detail::pixelOf(context.backColor));
}

}  // namespace

BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, SIZE* size) {
    const DeviceContext* context = win::detail::findDeviceContext(dc);
    if (!context || !size) return FALSE;
    const LOGFONT font = fontOf(*context);
    size->cx = win::textWidth(font, textOf(text, length));
    size->cy = win::lineHeight(font);
    return TRUE;
}

BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length) {
    const DeviceContext* context = win::detail::findDeviceContext(dc);
    if (!context) return FALSE;
    const LOGFONT font = fontOf(*context);
    const std::string s = textOf(text, length);
    fillBackground(*context,
                   RECT{x, y, x + win::textWidth(font, s), y + win::lineHeight(font)});
    drawLine(win::detail::surfaceOf(*context), font, context->textColor, s, x, y, nullptr);
    return TRUE;
}

int DrawText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format) {
    const DeviceContext* context = win::detail::findDeviceContext(dc);
    if (!context || !rect) return 0;
    const LOGFONT font = fontOf(*context);
    std::string s = textOf(text, length);
    if (!(format & DT_NOPREFIX)) s = withoutPrefixMarks(s);
    const std::vector<std::string> lines = linesOf(s, format & DT_SINGLELINE);
    const int lineH = win::lineHeight(font);
    const int total = lineH * static_cast<int>(lines.size());
    int widest = 0;
    for (const std::string& l : lines) widest = std::max(widest, win::textWidth(font, l));
    if (format & DT_CALCRECT) {
        rect->right = rect->left + widest;
        rect->bottom = rect->top + total;
        return total;
    }
    int top = rect->top;
    if ((format & DT_SINGLELINE) && (format & DT_VCENTER))
        top = rect->top + (rect->bottom - rect->top - total) / 2;
    else if ((format & DT_SINGLELINE) && (format & DT_BOTTOM))
        top = rect->bottom - total;
    const DrawingSurface surface = win::detail::surfaceOf(*context);
    const RECT* clip = (format & DT_NOCLIP) ? nullptr : rect;
    for (const std::string& l : lines) {
        const int w = win::textWidth(font, l);
        int x = rect->left;
        if (format & DT_CENTER) x = rect->left + (rect->right - rect->left - w) / 2;
        if (format & DT_RIGHT) x = rect->right - w;
        fillBackground(*context, RECT{x, top, x + w, top + lineH});
        drawLine(surface, font, context->textColor, l, x, top, clip);
        top += lineH;
    }
    return total;
}
