#include "win/WindowPainter.h"

#include <cairo.h>

#include <algorithm>
#include <cstdlib>
#include <cmath>
#include <map>

#include "win/FilePaths.h"
#include "win/FontMetrics.h"
#include "win/GdiObjects.h"
#include "win/PaintDC.h"
#include "win/Tooltips.h"
#include "win/Window.h"
#include "win/WindowRecord.h"

namespace win {
namespace {

using detail::WindowRecord;

std::map<std::string, ClassPainter>& painters() {
    static std::map<std::string, ClassPainter> p;
    return p;
}

struct Rgb {
    double r, g, b;
};

Rgb rgbOf(COLORREF c) {
    return Rgb{GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0};
}
const Rgb kFace = rgbOf(RGB(212, 208, 200));
const Rgb kShadow = rgbOf(RGB(128, 128, 128));
const Rgb kDark = rgbOf(RGB(64, 64, 64));
const Rgb kLight = rgbOf(RGB(255, 255, 255));
const Rgb kText = rgbOf(RGB(0, 0, 0));
const Rgb kGrayText = rgbOf(RGB(128, 128, 128));
const Rgb kCaption = rgbOf(RGB(10, 36, 106));
const Rgb kSelection = rgbOf(RGB(10, 36, 106));

void setColor(cairo_t* cr, const Rgb& c) {
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
}

void fill(cairo_t* cr, double x, double y, double w, double h, const Rgb& c) {
    setColor(cr, c);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void line(cairo_t* cr, double x1, double y1, double x2, double y2, const Rgb& c) {
    setColor(cr, c);
    cairo_set_line_width(cr, 1);
    cairo_move_to(cr, x1 + 0.5, y1 + 0.5);
    cairo_line_to(cr, x2 + 0.5, y2 + 0.5);
    cairo_stroke(cr);
}

// Classic 3D edge: raised (light top-left) or sunken (dark top-left).
void edge(cairo_t* cr, int x, int y, int w, int h, bool raised) {
    if (w < 2 || h < 2) return;
    const Rgb& tl = raised ? kLight : kShadow;
    const Rgb& br = raised ? kDark : kLight;
    line(cr, x, y, x + w - 1, y, tl);
    line(cr, x, y, x, y + h - 1, tl);
    line(cr, x, y + h - 1, x + w - 1, y + h - 1, br);
    line(cr, x + w - 1, y, x + w - 1, y + h - 1, br);
    if (w > 4 && h > 4) {
        line(cr, x + 1, y + 1, x + w - 2, y + 1, raised ? kFace : kDark);
        line(cr, x + 1, y + 1, x + 1, y + h - 2, raised ? kFace : kDark);
        line(cr, x + 1, y + h - 2, x + w - 2, y + h - 2, raised ? kShadow : kFace);
        line(cr, x + w - 2, y + 1, x + w - 2, y + h - 2, raised ? kShadow : kFace);
    }
}

LOGFONT fontOf(const WindowRecord& r) {
    if (const auto* object = detail::findGdiObject(r.font);
        object && object->kind == detail::GdiKind::Font)
        return object->font;
    LOGFONT lf;
    lf.lfHeight = -11;
    setFaceName(lf, "MS Sans Serif");
    return lf;
}

// Drops the mnemonic marks: "&File" shows as "File", "&&" as "&".
std::string withoutMnemonics(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

enum class Align { Left, Center, Right };

void text(cairo_t* cr, const LOGFONT& font, const std::string& s, int x, int y, int w, int h,
          Align align, const Rgb& color, bool vcenter = true) {
    if (s.empty() || w <= 0) return;
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    cairo_select_font_face(
        cr, "Sans", font.lfItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
        font.lfWeight >= 600 ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    const double em = emHeight(font);
    cairo_set_font_size(cr, em);
    setColor(cr, color);
    const int lineH = lineHeight(font);
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i)
        if (i == s.size() || s[i] == '\n') {
            std::string l = s.substr(start, i - start);
            if (!l.empty() && l.back() == '\r') l.pop_back();
            lines.push_back(l);
            start = i + 1;
        }
    const int total = lineH * static_cast<int>(lines.size());
    int top = vcenter ? y + (h - total) / 2 : y;
    for (const std::string& l : lines) {
        const std::string utf8 = windows1252ToUtf8(l);
        cairo_text_extents_t ext;
        cairo_text_extents(cr, utf8.c_str(), &ext);
        // The picture keeps to the widths of the font model, which layouts were made with.
        const double modelWidth = textWidth(font, l);
        const double squeeze =
            (ext.x_advance > modelWidth && ext.x_advance > 0) ? modelWidth / ext.x_advance : 1.0;
        const double drawn = ext.x_advance * squeeze;
        double tx = x;
        if (align == Align::Center) tx = x + (w - drawn) / 2;
        if (align == Align::Right) tx = x + w - drawn;
        cairo_save(cr);
        cairo_translate(cr, tx, top + lineH - (lineH - em) / 2 - em * 0.2);
        cairo_scale(cr, squeeze, 1.0);
        cairo_move_to(cr, 0, 0);
        cairo_show_text(cr, utf8.c_str());
        cairo_restore(cr);
        top += lineH;
    }
    cairo_restore(cr);
}

void image(cairo_t* cr, HGDIOBJ handle, int x, int y, int w, int h, bool center) {
    const auto* object = detail::findGdiObject(handle);
    if (!object || !object->bitmap) return;
    const auto& data = *object->bitmap;
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, data.width, data.height);
    if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(surface);
        return;
    }
    cairo_surface_flush(surface);
    unsigned char* pixels = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int row = 0; row < data.height; ++row) {
        auto* out = reinterpret_cast<std::uint32_t*>(pixels + row * stride);
        for (int col = 0; col < data.width; ++col) {
            const std::uint32_t p =
                data.pixels[static_cast<std::size_t>(row) * static_cast<std::size_t>(data.width) +
                            static_cast<std::size_t>(col)];
            const std::uint32_t a = p >> 24;
            auto pre = [a](std::uint32_t c) { return c * a / 255; };
            out[col] = (a << 24) | (pre((p >> 16) & 0xFF) << 16) | (pre((p >> 8) & 0xFF) << 8) |
                       pre(p & 0xFF);
        }
    }
    cairo_surface_mark_dirty(surface);
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    const int ix = center ? x + (w - data.width) / 2 : x;
    const int iy = center ? y + (h - data.height) / 2 : y;
    cairo_set_source_surface(cr, surface, ix, iy);
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(surface);
}

// The answer to a control's colour request: the background to fill (none when the handler
// chose a hollow brush or transparent mode) and the text colour.
struct Colours {
    bool fillBackground = true;
    Rgb background = kFace;
    Rgb ink = kText;
};

UINT colourRequestOf(const WindowRecord& r) {
    const std::string& cls = r.windowClass->name;
    if (cls == "BUTTON") {
        const DWORD type = r.style & BS_TYPEMASK;
        return (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_PUSHBOX ||
                type == BS_OWNERDRAW)
                   ? WM_CTLCOLORBTN
                   : WM_CTLCOLORSTATIC;
    }
    if (cls == "EDIT" || cls == "RichEdit20A" || cls == "RICHEDIT" || cls == "RichEdit")
        return (r.style & (ES_READONLY | WS_DISABLED)) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    if (cls == "LISTBOX") return WM_CTLCOLORLISTBOX;
    if (cls == "COMBOBOX") return WM_CTLCOLOREDIT;
    if (cls == "#32770") return WM_CTLCOLORDLG;
    return WM_CTLCOLORSTATIC;
}

Colours askColours(const WindowRecord& r, const Rgb& defaultBackground, const Rgb& defaultInk) {
    Colours colours;
    colours.background = defaultBackground;
    colours.ink = defaultInk;
    const UINT request = colourRequestOf(r);
    HWND asked = request == WM_CTLCOLORDLG ? r.handle : r.parent;
    if (!asked) return colours;
    HDC dc = detail::createDeviceContext();
    const LRESULT brush = SendMessage(asked, request, reinterpret_cast<WPARAM>(dc),
                                      reinterpret_cast<LPARAM>(r.handle));
    if (const auto* context = detail::findDeviceContext(dc)) {
        if (context->textColorSet) colours.ink = rgbOf(context->textColor);
        if (context->backMode == 1) colours.fillBackground = false;  // TRANSPARENT
    }
    detail::deleteDeviceContext(dc);
    if (const auto* object = detail::findGdiObject(reinterpret_cast<HGDIOBJ>(brush));
        object && object->kind == detail::GdiKind::Brush) {
        if (object->hollow)
            colours.fillBackground = false;
        else
            colours.background = rgbOf(object->color);
    }
    return colours;
}

void paintButton(cairo_t* cr, const WindowRecord& r, int w, int h) {
    const LOGFONT font = fontOf(r);
    const Colours colours = askColours(r, kFace, (r.style & WS_DISABLED) ? kGrayText : kText);
    const Rgb& ink = colours.ink;
    if (colours.fillBackground && (r.style & BS_TYPEMASK) != BS_GROUPBOX)
        fill(cr, 0, 0, w, h, colours.background);
    const std::string label = withoutMnemonics(r.text);
    const DWORD type = r.style & BS_TYPEMASK;
    const int lineH = lineHeight(font);
    switch (type) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE: {
            const int box = 13, by = (h - box) / 2;
            fill(cr, 0, by, box, box, r.control.check == 2 ? kFace : kLight);
            edge(cr, 0, by, box, box, false);
            if (r.control.check) {
                setColor(cr, r.control.check == 2 ? kShadow : kText);
                cairo_set_line_width(cr, 2);
                cairo_move_to(cr, 3, by + 6);
                cairo_line_to(cr, 5.5, by + 9);
                cairo_line_to(cr, 10, by + 3.5);
                cairo_stroke(cr);
            }
            text(cr, font, label, box + 4, 0, w - box - 4, h, Align::Left, ink);
            return;
        }
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON: {
            const double cy = h / 2.0, rad = 6;
            setColor(cr, kLight);
            cairo_arc(cr, rad, cy, rad - 0.5, 0, 2 * M_PI);
            cairo_fill_preserve(cr);
            setColor(cr, kShadow);
            cairo_set_line_width(cr, 1);
            cairo_stroke(cr);
            if (r.control.check) {
                setColor(cr, kText);
                cairo_arc(cr, rad, cy, 2, 0, 2 * M_PI);
                cairo_fill(cr);
            }
            text(cr, font, label, 16, 0, w - 16, h, Align::Left, ink);
            return;
        }
        case BS_GROUPBOX: {
            const int top = lineH / 2;
            setColor(cr, kShadow);
            cairo_set_line_width(cr, 1);
            cairo_rectangle(cr, 0.5, top + 0.5, w - 2, h - top - 2);
            cairo_stroke(cr);
            setColor(cr, kLight);
            cairo_rectangle(cr, 1.5, top + 1.5, w - 2, h - top - 2);
            cairo_stroke(cr);
            if (!label.empty()) {
                const int tw = textWidth(font, label) + 4;
                fill(cr, 7, 0, tw, lineH, kFace);
                text(cr, font, label, 9, 0, tw, lineH, Align::Left, ink);
            }
            return;
        }
        default:
            break;
    }
    fill(cr, 0, 0, w, h, kFace);
    const bool isDefault = type == BS_DEFPUSHBUTTON;
    if (isDefault) {
        setColor(cr, kText);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
        cairo_stroke(cr);
        edge(cr, 1, 1, w - 2, h - 2, true);
    } else {
        edge(cr, 0, 0, w, h, true);
    }
    if (r.control.image) {
        image(cr, r.control.image, 2, 2, w - 4, h - 4, true);
        return;
    }
    text(cr, font, label, 2, 0, w - 4, h, Align::Center, ink);
}

void paintEdit(cairo_t* cr, const WindowRecord& r, int w, int h) {
    const bool framed = (r.style & WS_BORDER) || (r.exStyle & WS_EX_CLIENTEDGE);
    const bool dim = (r.style & WS_DISABLED) || (r.style & ES_READONLY);
    const Colours colours =
        askColours(r, dim ? kFace : kLight, (r.style & WS_DISABLED) ? kGrayText : kText);
    if (colours.fillBackground) fill(cr, 0, 0, w, h, colours.background);
    if (framed) edge(cr, 0, 0, w, h, false);
    const DWORD align = r.style & 0x3;
    const std::string shown = (r.style & ES_PASSWORD) ? std::string(r.text.size(), '*') : r.text;
    text(cr, fontOf(r), shown, 3, framed ? 2 : 0, w - 6, h - (framed ? 4 : 0),
         align == ES_CENTER ? Align::Center : (align == ES_RIGHT ? Align::Right : Align::Left),
         colours.ink, !(r.style & ES_MULTILINE));
}

void paintStatic(cairo_t* cr, const WindowRecord& r, int w, int h) {
    const DWORD type = r.style & SS_TYPEMASK;
    if (type == SS_ICON || type == SS_BITMAP) {
        image(cr, r.control.image, 0, 0, w, h, (r.style & SS_CENTERIMAGE) || type == SS_ICON);
        return;
    }
    if (type == SS_BLACKFRAME || type == SS_GRAYFRAME || type == SS_WHITEFRAME ||
        type == SS_ETCHEDFRAME) {
        setColor(cr, type == SS_WHITEFRAME ? kLight : (type == SS_BLACKFRAME ? kText : kShadow));
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, 0.5, 0.5, w - 1, h - 1);
        cairo_stroke(cr);
        return;
    }
    if (type == SS_BLACKRECT || type == SS_GRAYRECT || type == SS_WHITERECT) {
        fill(cr, 0, 0, w, h,
             type == SS_WHITERECT ? kLight : (type == SS_BLACKRECT ? kText : kShadow));
        return;
    }
    if (type == SS_ETCHEDHORZ) {
        line(cr, 0, 0, w - 1, 0, kShadow);
        line(cr, 0, 1, w - 1, 1, kLight);
        return;
    }
    const Colours colours = askColours(r, kFace, (r.style & WS_DISABLED) ? kGrayText : kText);
    if (colours.fillBackground) fill(cr, 0, 0, w, h, colours.background);
    if (r.style & SS_SUNKEN) edge(cr, 0, 0, w, h, false);
    const std::string label = (r.style & SS_NOPREFIX) ? r.text : withoutMnemonics(r.text);
    text(cr, fontOf(r), label, 0, 0, w, h,
         type == SS_CENTER ? Align::Center : (type == SS_RIGHT ? Align::Right : Align::Left),
         colours.ink, false);
}

void dropArrow(cairo_t* cr, int x, int y, int w, int h) {
    fill(cr, x, y, w, h, kFace);
    edge(cr, x, y, w, h, true);
    setColor(cr, kText);
    const double cx = x + w / 2.0, cy = y + h / 2.0;
    cairo_move_to(cr, cx - 3.5, cy - 1.5);
    cairo_line_to(cr, cx + 3.5, cy - 1.5);
    cairo_line_to(cr, cx, cy + 2);
    cairo_close_path(cr);
    cairo_fill(cr);
}

void paintCombo(cairo_t* cr, const WindowRecord& r, int w, int h) {
    const bool list = (r.style & 0x3) == CBS_DROPDOWNLIST;
    fill(cr, 0, 0, w, h, (r.style & WS_DISABLED) ? kFace : kLight);
    edge(cr, 0, 0, w, h, false);
    const int arrow = std::min(16, w - 4);
    dropArrow(cr, w - arrow - 2, 2, arrow, h - 4);
    std::string shown = r.text;
    if (list && r.control.curSel >= 0 &&
        r.control.curSel < static_cast<int>(r.control.items.size()))
        shown = r.control.items[static_cast<std::size_t>(r.control.curSel)].text;
    text(cr, fontOf(r), shown, 4, 2, w - arrow - 8, h - 4, Align::Left,
         (r.style & WS_DISABLED) ? kGrayText : kText);
}

void paintList(cairo_t* cr, const WindowRecord& r, int w, int h) {
    fill(cr, 0, 0, w, h, kLight);
    edge(cr, 0, 0, w, h, false);
    const LOGFONT font = fontOf(r);
    const int lineH = lineHeight(font);
    const bool multiple = (r.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
    int y = 2;
    for (std::size_t i = 0; i < r.control.items.size() && y < h - 2; ++i, y += lineH) {
        const bool selected =
            multiple ? r.control.items[i].selected : static_cast<int>(i) == r.control.curSel;
        if (selected) fill(cr, 2, y, w - 4, lineH, kSelection);
        text(cr, font, r.control.items[i].text, 4, y, w - 8, lineH, Align::Left,
             selected ? kLight : kText);
    }
}

void paintTabs(cairo_t* cr, const WindowRecord& r, int w, int h) {
    const LOGFONT font = fontOf(r);
    const int row = 20;
    fill(cr, 0, row, w, h - row, kFace);
    edge(cr, 0, row - 2, w, h - row + 2, true);
    int x = 2;
    for (std::size_t i = 0; i < r.control.tabs.size(); ++i) {
        const std::string label = withoutMnemonics(r.control.tabs[i].text);
        const int tw = textWidth(font, label) + 12;
        const bool current = static_cast<int>(i) == r.control.curSel;
        const int top = current ? 0 : 2;
        fill(cr, x, top, tw, row - top, kFace);
        line(cr, x, top, x + tw - 1, top, kLight);
        line(cr, x, top, x, row - 1, kLight);
        line(cr, x + tw - 1, top, x + tw - 1, row - 1, kDark);
        text(cr, font, label, x, top, tw, row - top, Align::Center, kText);
        x += tw;
    }
}

void paintUnknown(cairo_t* cr, const WindowRecord& r, int w, int h) {
    fill(cr, 0, 0, w, h, kLight);
    edge(cr, 0, 0, w, h, false);
    LOGFONT font = fontOf(r);
    font.lfItalic = 1;
    text(cr, font, r.windowClass->name, 4, 2, w - 8, h - 4, Align::Center, kGrayText);
}

void paintFrame(cairo_t* cr, const WindowRecord& r, int w, int h) {
    const Colours colours = askColours(r, kFace, kText);
    fill(cr, 0, 0, w, h, kFace);
    const RECT client = detail::nonClientInsets(r.style, r.exStyle);
    if (colours.fillBackground)
        fill(cr, client.left, client.top, w - client.left - client.right,
             h - client.top - client.bottom, colours.background);
    const RECT inset = detail::nonClientInsets(r.style, r.exStyle);
    if (inset.left > 0) edge(cr, 0, 0, w, h, true);
    if ((r.style & WS_CAPTION) == WS_CAPTION) {
        const int frame = inset.left;
        fill(cr, frame, frame, w - 2 * frame, 18, kCaption);
        LOGFONT font;
        font.lfHeight = -11;
        font.lfWeight = FW_BOLD;
        text(cr, font, r.text, frame + 4, frame, w - 2 * frame - 24, 18, Align::Left, kLight);
        if (r.style & WS_SYSMENU) {
            const int bx = w - frame - 18, by = frame + 2;
            fill(cr, bx, by, 16, 14, kFace);
            edge(cr, bx, by, 16, 14, true);
            setColor(cr, kText);
            cairo_set_line_width(cr, 1.5);
            cairo_move_to(cr, bx + 4.5, by + 3.5);
            cairo_line_to(cr, bx + 11.5, by + 10.5);
            cairo_move_to(cr, bx + 11.5, by + 3.5);
            cairo_line_to(cr, bx + 4.5, by + 10.5);
            cairo_stroke(cr);
        }
    }
}

// A window that paints itself (WM_ERASEBKGND, WM_PAINT) draws over its built-in look: its
// contexts draw on its client area of the picture while the messages are handled.
void letWindowPaint(cairo_t* cr, HWND hwnd, const RECT& inset, int w, int h) {
    cairo_surface_t* target = cairo_get_target(cr);
    if (cairo_surface_get_type(target) != CAIRO_SURFACE_TYPE_IMAGE) return;
    cairo_surface_flush(target);
    double ox = inset.left, oy = inset.top;
    cairo_user_to_device(cr, &ox, &oy);
    double cx1 = 0, cy1 = 0, cx2 = 0, cy2 = 0;
    cairo_clip_extents(cr, &cx1, &cy1, &cx2, &cy2);
    cairo_user_to_device(cr, &cx1, &cy1);
    cairo_user_to_device(cr, &cx2, &cy2);
    const int surfaceW = cairo_image_surface_get_width(target);
    const int surfaceH = cairo_image_surface_get_height(target);
    const int left = std::max({0, static_cast<int>(cx1), static_cast<int>(ox)});
    const int top = std::max({0, static_cast<int>(cy1), static_cast<int>(oy)});
    const int right = std::min({surfaceW, static_cast<int>(cx2),
                                static_cast<int>(ox) + w - inset.left - inset.right});
    const int bottom = std::min({surfaceH, static_cast<int>(cy2),
                                 static_cast<int>(oy) + h - inset.top - inset.bottom});
    if (right <= left || bottom <= top) return;
    detail::DrawingSurface area;
    const int stride = cairo_image_surface_get_stride(target) / 4;
    area.pixels = reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(target)) +
                  static_cast<std::ptrdiff_t>(top) * stride + left;
    area.stride = stride;
    area.width = right - left;
    area.height = bottom - top;
    area.originX = static_cast<int>(ox) - left;
    area.originY = static_cast<int>(oy) - top;
    detail::lendSurface(hwnd, &area);
    HDC dc = GetDC(hwnd);
    SendMessage(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    ReleaseDC(hwnd, dc);
    if (IsWindow(hwnd)) SendMessage(hwnd, WM_PAINT, 0, 0);
    detail::lendSurface(hwnd, nullptr);
    cairo_surface_mark_dirty(target);
}

void paintTree(cairo_t* cr, HWND hwnd, int x, int y, bool top) {
    const WindowRecord* r = detail::findWindow(hwnd);
    if (!r || (!top && !(r->style & WS_VISIBLE))) return;
    const int w = r->rect.right - r->rect.left, h = r->rect.bottom - r->rect.top;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rectangle(cr, 0, 0, w, h);
    cairo_clip(cr);
    const std::string& cls = r->windowClass->name;
    auto custom = painters().find(cls);
    if (custom != painters().end() && custom->second) {
        custom->second(cr, hwnd, w, h);
    } else if (top || cls == "#32770") {
        paintFrame(cr, *r, w, h);
    } else if (cls == "BUTTON") {
        paintButton(cr, *r, w, h);
    } else if (cls == "EDIT" || cls == "RichEdit20A" || cls == "RICHEDIT" || cls == "RichEdit") {
        paintEdit(cr, *r, w, h);
    } else if (cls == "STATIC") {
        paintStatic(cr, *r, w, h);
    } else if (cls == "COMBOBOX") {
        paintCombo(cr, *r, w, h);
    } else if (cls == "LISTBOX") {
        paintList(cr, *r, w, h);
    } else if (cls == "SysTabControl32") {
        paintTabs(cr, *r, w, h);
    } else if (cls == "ToolbarWindow32") {
        fill(cr, 0, 0, w, h, kFace);
    } else {
        paintUnknown(cr, *r, w, h);
    }
    const RECT inset = detail::nonClientInsets(r->style, r->exStyle);
    letWindowPaint(cr, hwnd, inset, w, h);
    r = detail::findWindow(hwnd);
    if (!r) {
        cairo_restore(cr);
        return;
    }
    // Children are kept top first; paint from the bottom up.
    for (auto it = r->children.rbegin(); it != r->children.rend(); ++it) {
        const WindowRecord* c = detail::findWindow(*it);
        if (c) paintTree(cr, *it, inset.left + c->rect.left, inset.top + c->rect.top, false);
    }
    cairo_restore(cr);
}

// The tooltip on screen, when its control belongs to this window: a pale box with its text
// just below the control, as the system shows it.
void paintTooltip(cairo_t* cr, HWND window, int w, int h) {
    const TooltipRecord* tip = shownTooltip();
    if (!tip || (tip->control != window && !IsChild(window, tip->control))) return;
    RECT control, top;
    GetWindowRect(tip->control, &control);
    GetWindowRect(window, &top);
    LOGFONT font;
    font.lfHeight = -11;
    const int tw = textWidth(font, tip->text) + 8, th = lineHeight(font) + 4;
    const int x = std::clamp<int>(control.left - top.left, 0, std::max(0, w - tw));
    const int y = std::clamp<int>(control.bottom - top.top + 2, 0, std::max(0, h - th));
    fill(cr, x, y, tw, th, rgbOf(GetSysColor(COLOR_INFOBK)));
    setColor(cr, kText);
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, x + 0.5, y + 0.5, tw - 1, th - 1);
    cairo_stroke(cr);
    text(cr, font, tip->text, x + 4, y + 2, tw - 8, th - 4, Align::Left,
         rgbOf(GetSysColor(COLOR_INFOTEXT)));
}

cairo_status_t appendToString(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

void setClassPainter(const std::string& className, ClassPainter painter) {
    painters()[className] = std::move(painter);
}

bool paintWindowToPngData(HWND window, std::string& png) {
    // cairo's font caches serve every picture (building them anew for each one doubled the
    // time of a picture) and are let go at exit, before the leak check of the sanitizers.
    static const bool cachesReleasedAtExit = std::atexit(cairo_debug_reset_static_data) == 0;
    (void)cachesReleasedAtExit;
    png.clear();
    const WindowRecord* r = detail::findWindow(window);
    if (!r) return false;
    const int w = std::max(1, static_cast<int>(r->rect.right - r->rect.left));
    const int h = std::max(1, static_cast<int>(r->rect.bottom - r->rect.top));
    if (static_cast<long long>(w) * h > 16ll * 1024 * 1024) return false;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_DEFAULT);
    paintTree(cr, window, 0, 0, true);
    paintTooltip(cr, window, w, h);
    cairo_destroy(cr);
    const bool encoded =
        cairo_surface_write_to_png_stream(surface, appendToString, &png) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!encoded) png.clear();
    return encoded;
}

bool paintWindowToPng(HWND window, const std::filesystem::path& file) {
    std::string png;
    return paintWindowToPngData(window, png) && writeWholeFileAtomic(file, png);
}

std::string windows1252ToUtf8(const std::string& bytes) {
    // 0x80..0x9F differ from Latin-1; 0 marks the five bytes the code page leaves unused.
    static const char16_t high[32] = {
        0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};
    std::string out;
    for (char ch : bytes) {
        const unsigned char c = static_cast<unsigned char>(ch);
        std::uint32_t code = c;
        if (c >= 0x80 && c < 0xA0) code = high[c - 0x80] ? high[c - 0x80] : 0xFFFD;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

}  // namespace win

// The font configuration library behind cairo's text keeps its configuration for the life of
// the process by design; the leak checker of sanitizer builds is told so, here where the
// library comes into use.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}
