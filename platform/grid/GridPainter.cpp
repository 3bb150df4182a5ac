#include "grid/GridPainter.h"

#include <cairo.h>

#include <algorithm>
#include <string>
#include <vector>

#include "grid/CellTypeRules.h"
#include "grid/GridLayout.h"
#include "grid/SpreadApi.h"
#include "grid/SpreadModel.h"
#include "win/Bitmap.h"
#include "win/FilePaths.h"
#include "win/FontMetrics.h"
#include "win/Gdi.h"
#include "win/Window.h"
#include "win/WindowPainter.h"

namespace grid {

namespace {

struct Rgb {
    double r, g, b;
};

// The control's own code for "the default colour" of whatever it is set on.
constexpr std::uint32_t kControlDefaultColor = 0x8000000B;

// Colours of the system palette the grid's defaults name (0x80000000 | index).
COLORREF resolve(std::uint32_t color, COLORREF fallback) {
    if (color == kNoColor || color == kControlDefaultColor) return fallback;
    if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFF));
    return color & 0xFFFFFF;
}

Rgb rgbOf(COLORREF c) {
    return Rgb{GetRValue(c) / 255.0, GetGValue(c) / 255.0, GetBValue(c) / 255.0};
}

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kGridLine = RGB(192, 192, 192);
const COLORREF kHeaderFace = RGB(212, 208, 200);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kLockedBack = RGB(240, 240, 240);
const COLORREF kSelectionBack = RGB(10, 36, 106);

void setColor(cairo_t* cr, COLORREF c) {
    const Rgb rgb = rgbOf(c);
    cairo_set_source_rgb(cr, rgb.r, rgb.g, rgb.b);
}

void fill(cairo_t* cr, const RECT& r, COLORREF c) {
    setColor(cr, c);
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_fill(cr);
}

void line(cairo_t* cr, double x1, double y1, double x2, double y2, COLORREF c, double width = 1) {
    setColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_move_to(cr, x1 + 0.5, y1 + 0.5);
    cairo_line_to(cr, x2 + 0.5, y2 + 0.5);
    cairo_stroke(cr);
}

void frame(cairo_t* cr, const RECT& r, COLORREF c, double width = 1) {
    setColor(cr, c);
    cairo_set_line_width(cr, width);
    cairo_rectangle(cr, r.left + width / 2, r.top + width / 2, r.right - r.left - width,
                    r.bottom - r.top - width);
    cairo_stroke(cr);
}

LOGFONT logFontOf(const FontSpec& fontSpec) {
    LOGFONT lf;
    lf.lfHeight = fontSpec.height;
    lf.lfWeight = fontSpec.weight;
    lf.lfItalic = fontSpec.italic ? 1 : 0;
    lf.lfUnderline = fontSpec.underline ? 1 : 0;
    setFaceName(lf, fontSpec.face.c_str());
    return lf;
}

enum class Align { Left, Center, Right };

// One line of text inside a rectangle, clipped to it, kept to the widths of the font model
// that the program's layouts were measured with.
void text(cairo_t* cr, const LOGFONT& font, const std::string& s, const RECT& r, Align align,
          COLORREF color) {
    const int w = r.right - r.left - 4;
    if (s.empty() || w <= 0) return;
    cairo_save(cr);
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr);
    cairo_select_font_face(cr, "Sans",
                           font.lfItalic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           font.lfWeight >= 600 ? CAIRO_FONT_WEIGHT_BOLD
                                                : CAIRO_FONT_WEIGHT_NORMAL);
    const double em = win::emHeight(font);
    cairo_set_font_size(cr, em);
    setColor(cr, color);
    const std::string utf8 = win::windows1252ToUtf8(s);
    cairo_text_extents_t ext;
    cairo_text_extents(cr, utf8.c_str(), &ext);
    const double modelWidth = win::textWidth(font, s);
    const double squeeze =
        (ext.x_advance > modelWidth && ext.x_advance > 0) ? modelWidth / ext.x_advance : 1.0;
    const double drawn = ext.x_advance * squeeze;
    double x = r.left + 2;
    if (align == Align::Center) x = r.left + (r.right - r.left - drawn) / 2;
    if (align == Align::Right) x = r.right - 2 - drawn;
    const double baseline = (r.top + r.bottom) / 2.0 + em * 0.35;
    cairo_translate(cr, x, baseline);
    cairo_scale(cr, squeeze, 1.0);
    cairo_move_to(cr, 0, 0);
    cairo_show_text(cr, utf8.c_str());
    if (font.lfUnderline) {
        cairo_set_line_width(cr, 1);
        cairo_move_to(cr, 0, 2);
        cairo_line_to(cr, ext.x_advance, 2);
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

std::string columnLetters(int column) {
    std::string letters;
    for (int c = column; c > 0; c = (c - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (c - 1) % 26));
    return letters;
}

void raised(cairo_t* cr, const RECT& r, COLORREF face = kHeaderFace) {
    fill(cr, r, face);
    line(cr, r.left, r.bottom - 1, r.right - 1, r.bottom - 1, kShadow);
    line(cr, r.right - 1, r.top, r.right - 1, r.bottom - 1, kShadow);
    line(cr, r.left, r.top, r.right - 1, r.top, kWhite);
    line(cr, r.left, r.top, r.left, r.bottom - 1, kWhite);
}

void paintImage(cairo_t* cr, HGDIOBJ image, const RECT& r) {
    int w = 0, h = 0;
    if (!image || !win::imageSize(image, w, h) || w <= 0 || h <= 0 || w > 4096 || h > 4096)
        return;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
    const int stride = cairo_image_surface_get_stride(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(data + y * stride);
        for (int x = 0; x < w; ++x) {
            const std::uint32_t p = win::imagePixel(image, x, y);
            const std::uint32_t a = p >> 24;
            // Premultiplied, as the surface format wants.
            auto channel = [&](int shift) { return (((p >> shift) & 0xFF) * a / 255) << shift; };
            row[x] = (a << 24) | channel(16) | channel(8) | channel(0);
        }
    }
    cairo_surface_mark_dirty(surface);
    cairo_save(cr);
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr);
    cairo_set_source_surface(cr, surface, r.left + std::max<LONG>(0, (r.right - r.left - w) / 2),
                             r.top + std::max<LONG>(0, (r.bottom - r.top - h) / 2));
    cairo_paint(cr);
    cairo_restore(cr);
    cairo_surface_destroy(surface);
}

void paintCheck(cairo_t* cr, const RECT& r, bool on) {
    const int size = 13;
    const int x = (r.left + r.right - size) / 2, y = (r.top + r.bottom - size) / 2;
    RECT box{x, y, x + size, y + size};
    fill(cr, box, kWhite);
    frame(cr, box, kShadow);
    if (!on) return;
    setColor(cr, kBlack);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x + 3, y + 6.5);
    cairo_line_to(cr, x + 5.5, y + 9.5);
    cairo_line_to(cr, x + 10, y + 3.5);
    cairo_stroke(cr);
}

void paintComboArrow(cairo_t* cr, RECT& r) {
    const int w = std::min<int>(16, r.right - r.left);
    RECT button{r.right - w, r.top, r.right, r.bottom};
    raised(cr, button);
    const double cx = (button.left + button.right) / 2.0, cy = (button.top + button.bottom) / 2.0;
    setColor(cr, kBlack);
    cairo_move_to(cr, cx - 3.5, cy - 1.5);
    cairo_line_to(cr, cx + 3.5, cy - 1.5);
    cairo_line_to(cr, cx, cy + 2);
    cairo_close_path(cr);
    cairo_fill(cr);
    r.right = button.left;
}

void paintBorder(cairo_t* cr, const RECT& r, const BorderSpec& b) {
    if (b.type == 0 || b.style == 0) return;
    const COLORREF c = resolve(b.color, kBlack);
    const bool all = (b.type & 16) != 0;
    if (all || (b.type & 1)) line(cr, r.left, r.top, r.left, r.bottom - 1, c);
    if (all || (b.type & 2)) line(cr, r.right - 1, r.top, r.right - 1, r.bottom - 1, c);
    if (all || (b.type & 4)) line(cr, r.left, r.top, r.right - 1, r.top, c);
    if (all || (b.type & 8)) line(cr, r.left, r.bottom - 1, r.right - 1, r.bottom - 1, c);
}

class Painter {
public:
    Painter(cairo_t* cr, SpreadModel& model, const GridLayout& layout)
        : cr_(cr), model_(model), layout_(layout) {}

    void paint() {
        const ViewSettings& view = model_.view();
        RECT all{0, 0, layout_.clientWidth(), layout_.clientHeight()};
        fill(cr_, all, resolve(view.colorPair2[0], RGB(128, 128, 128)));
        const int lastColumn = layout_.lastShownColumn(), lastRow = layout_.lastShownRow();
        const SelectionState& s = model_.selection();
        for (int r = s.topRow; r <= lastRow; ++r)
            for (int c = s.leftColumn; c <= lastColumn; ++c) paintCell(c, r);
        paintHeaders(lastColumn, lastRow);
        paintActiveCell();
    }

private:
    bool cellArea(int c, int r, RECT& rect) {
        if (!layout_.cellRect(c, r, rect)) return false;
        // Scrolled cells are clipped at the header band.
        rect.left = std::max<LONG>(rect.left, c == 0 ? 0 : layout_.headerWidth());
        rect.top = std::max<LONG>(rect.top, r == 0 ? 0 : layout_.headerHeight());
        return rect.right > rect.left && rect.bottom > rect.top;
    }

    // A spanned cell is drawn once, from the first of its cells that is shown.
    bool firstShownOfSpan(int c, int r) const {
        Span span;
        if (!model_.spanAt(c, r, span)) return true;
        const SelectionState& s = model_.selection();
        const int firstColumn = std::max(span.column, s.leftColumn);
        const int firstRow = std::max(span.row, s.topRow);
        return c == firstColumn && r == firstRow;
    }

    void paintCell(int c, int r) {
        if (!firstShownOfSpan(c, r)) return;
        Span span;
        int ac = c, ar = r;
        if (model_.spanAt(c, r, span)) {
            ac = span.column;
            ar = span.row;
        }
        RECT rect;
        if (!cellArea(ac, ar, rect)) return;
        const SelectionState& s = model_.selection();
        std::uint32_t back = kNoColor, fore = kNoColor;
        model_.colors(ac, ar, back, fore);
        const bool locked = model_.isLocked(ac, ar);
        COLORREF backColor = resolve(back, locked ? kLockedBack : kWhite);
        COLORREF foreColor = resolve(fore, kBlack);
        const bool isActive = ac == s.activeColumn && ar == s.activeRow;
        if (s.hasBlock && s.block.contains(ac, ar) && !isActive) {
            backColor = resolve(model_.view().selBackColor, kSelectionBack);
            foreColor = resolve(model_.view().selForeColor, kWhite);
        }
        fill(cr_, rect, backColor);
        line(cr_, rect.left, rect.bottom - 1, rect.right - 1, rect.bottom - 1, kGridLine);
        line(cr_, rect.right - 1, rect.top, rect.right - 1, rect.bottom - 1, kGridLine);
        paintContent(ac, ar, rect, foreColor, isActive && s.editing);
        paintBorder(cr_, rect, model_.border(ac, ar));
        if (model_.view().noteIndicator != 0 && !model_.note(ac, ar).empty()) {
            setColor(cr_, RGB(255, 0, 0));
            cairo_move_to(cr_, rect.right - 6, rect.top);
            cairo_line_to(cr_, rect.right, rect.top);
            cairo_line_to(cr_, rect.right, rect.top + 6);
            cairo_close_path(cr_);
            cairo_fill(cr_);
        }
    }

    void paintContent(int c, int r, RECT rect, COLORREF fore, bool editing) {
        const CellType& type = model_.type(c, r);
        const LOGFONT font = logFontOf(model_.font(c, r));
        std::string shown;
        if (editing) {
            shown = model_.selection().editText;
        } else {
            model_.text(c, r, TextKind::Data, shown);
        }
        switch (type.code) {
        case kTypeCheckBox: paintCheck(cr_, rect, shown == "1"); return;
        case kTypeButton: {
            RECT face{rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1};
            raised(cr_, face);
            text(cr_, font, shown.empty() ? type.text : shown, face, Align::Center, kBlack);
            return;
        }
        case kTypePicture: {
            HGDIOBJ image = reinterpret_cast<HGDIOBJ>(type.handle);
            HBITMAP loaded = nullptr;
            if (!image && !type.text.empty())
                image = loaded = win::loadBitmapFile(win::mapPath(type.text));
            paintImage(cr_, image, rect);
            if (loaded) DeleteObject(loaded);
            return;
        }
        case kTypeCombo: paintComboArrow(cr_, rect); break;
        default: break;
        }
        text(cr_, font, shown, rect, alignOf(c, r, type, editing), fore);
        if (editing) {
            const int caret = std::min<int>(model_.selection().editEnd, static_cast<int>(shown.size()));
            const int x = rect.left + 2 + win::textWidth(font, std::string_view(shown).substr(0, caret));
            line(cr_, x, rect.top + 3, x, rect.bottom - 4, fore);
        }
    }

    Align alignOf(int c, int r, const CellType& type, bool editing) {
        if (editing) return Align::Left;
        if (type.code == kTypeNumber || type.code == kTypeInteger) return Align::Right;
        if (type.code == kTypeGeneral) {
            double number = 0;
            if (model_.number(c, r, number)) return Align::Right;
        }
        return Align::Left;
    }

    void paintHeaders(int lastColumn, int lastRow) {
        const SelectionState& s = model_.selection();
        const COLORREF face = resolve(model_.view().colorPair1[0], kHeaderFace);
        const COLORREF fore = resolve(model_.view().colorPair1[1], kBlack);
        for (int c = s.leftColumn; c <= lastColumn && layout_.headerHeight() > 0; ++c) {
            if (!firstShownOfHeaderSpan(c, 0)) continue;
            paintHeaderCell(c, 0, columnLetters(c), face, fore);
        }
        for (int r = s.topRow; r <= lastRow && layout_.headerWidth() > 0; ++r)
            paintHeaderCell(0, r, std::to_string(r), face, fore);
        if (layout_.headerWidth() > 0 && layout_.headerHeight() > 0)
            paintHeaderCell(0, 0, std::string(), face, fore);
    }

    bool firstShownOfHeaderSpan(int c, int r) const {
        Span span;
        if (!model_.spanAt(c, r, span)) return true;
        return c == std::max(span.column, model_.selection().leftColumn);
    }

    void paintHeaderCell(int c, int r, const std::string& label, COLORREF face, COLORREF fore) {
        RECT rect;
        if (!cellArea(c, r, rect)) return;
        Span span;
        if (r == 0 && c > 0 && model_.spanAt(c, 0, span)) {
            // Header spans join neighbouring column headers into one.
            RECT last;
            if (cellArea(std::min(span.column + span.columns - 1, layout_.lastShownColumn()), 0,
                         last))
                rect.right = last.right;
        }
        raised(cr_, rect, face);
        std::string shown;
        model_.text(c, r, TextKind::Data, shown);
        if (shown.empty()) shown = label;
        text(cr_, logFontOf(model_.font(c, r)), shown, rect, Align::Center, fore);
    }

    void paintActiveCell() {
        const SelectionState& s = model_.selection();
        RECT rect;
        if (!model_.isCell(s.activeColumn, s.activeRow) || s.activeColumn < 1 || s.activeRow < 1 ||
            !cellArea(s.activeColumn, s.activeRow, rect))
            return;
        frame(cr_, rect, kBlack, 2);
    }

    cairo_t* cr_;
    SpreadModel& model_;
    const GridLayout& layout_;
};

void paintGrid(void* context, HWND window, int width, int height) {
    auto* cr = static_cast<cairo_t*>(context);
    SpreadModel* model = SSGetModel(window);
    if (!model) return;
    RECT client{0, 0, width, height};
    GetClientRect(window, &client);
    const GridLayout layout(*model, client.right - client.left, client.bottom - client.top);
    Painter(cr, *model, layout).paint();
    // The control's sunken frame.
    line(cr, 0, 0, width - 1, 0, kShadow);
    line(cr, 0, 0, 0, height - 1, kShadow);
    line(cr, 0, height - 1, width - 1, height - 1, kWhite);
    line(cr, width - 1, 0, width - 1, height - 1, kWhite);
}

}  // namespace

void registerGridPainter() {
    win::setClassPainter(kSpreadClassName, paintGrid);
}

}  // namespace grid
