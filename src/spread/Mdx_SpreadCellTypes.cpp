#include "core/FileHelpers.h"
#include "spread/Mdx_Spread.h"
#include "win/Bitmap.h"
#include "win/ResourceModule.h"

namespace {

constexpr double kNumberLimit = 99999999999999.0;
constexpr UINT kUncheckedBitmap = 8134;
constexpr UINT kCheckedBitmap = 8136;

Mdx_String joinWithTabs(const Mdx_StringArray& items) {
    Mdx_String joined;
    for (int i = 0; i < items.length(); ++i) {
        if (i > 0) joined += '\t';
        joined += items[i];
    }
    return joined;
}

}  // namespace

bool Mdx_Spread::setEditCells(int c1, int r1, int c2, int r2, DWORD style, int maxLength) {
    if (!attached) return false;
    SSCELLTYPE type;
    SetTypeEdit(&type, style, maxLength);
    return SetCellTypeRange(c1, r1, c2, r2, &type) != FALSE;
}

bool Mdx_Spread::setEditCell(int col, int row) {
    return setEditCells(col, row, col, row);
}

bool Mdx_Spread::setNumberCells(int c1, int r1, int c2, int r2, int decimals, bool altStyle) {
    if (!attached) return false;
    SSCELLTYPE type;
    SetTypeNumber(&type, altStyle ? 0x10400000 : 0x10100000, decimals, -kNumberLimit, kNumberLimit,
                  FALSE);
    return SetCellTypeRange(c1, r1, c2, r2, &type) != FALSE;
}

bool Mdx_Spread::setNumberCell(int col, int row, int decimals, bool altStyle) {
    return setNumberCells(col, row, col, row, decimals, altStyle);
}

bool Mdx_Spread::setStaticCell(int col, int row, int style) {
    if (!attached) return false;
    SSCELLTYPE type;
    SetTypeStaticText(&type, static_cast<DWORD>(style));
    return SetCellType(col, row, &type) != FALSE;
}

bool Mdx_Spread::setStaticColumn(int col, int style) {
    if (!attached) return false;
    SSCELLTYPE type;
    SetTypeStaticText(&type, static_cast<DWORD>(style));
    const int rows = GetMaxRows();
    if (rows >= 1) SetCellTypeRange(col, 1, col, rows, &type);
    return SetCellType(col, SS_HEADER, &type) != FALSE;
}

bool Mdx_Spread::setComboCells(int c1, int r1, int c2, int r2, const Mdx_StringArray& items,
                               bool editable) {
    if (!attached) return false;
    SSCELLTYPE type;
    SetTypeComboBox(&type, editable ? 0x100002 : 0x100000, joinWithTabs(items).c_str());
    return SetCellTypeRange(c1, r1, c2, r2, &type) != FALSE;
}

bool Mdx_Spread::setComboCell(int col, int row, const Mdx_StringArray& items, bool editable) {
    return setComboCells(col, row, col, row, items, editable);
}

bool Mdx_Spread::setComboColumn(int col, const Mdx_StringArray& items, bool editable) {
    if (!isColumn(col)) return false;
    const int rows = GetMaxRows();
    if (rows < 1) return true;
    return setComboCells(col, 1, col, rows, items, editable);
}

void Mdx_Spread::ensureCheckImages() {
    if (!uncheckedImage) {
        uncheckedImage = std::make_unique<CBitmap>();
        uncheckedImage->LoadBitmap(kUncheckedBitmap);
    }
    if (!checkedImage) {
        checkedImage = std::make_unique<CBitmap>();
        checkedImage->LoadBitmap(kCheckedBitmap);
    }
}

// The check-box type record: the clear and the checked picture serve the normal and the
// focused states; the disabled states have none.
static SSCELLTYPE checkBoxType(TSpread& sheet, HGDIOBJ clear, HGDIOBJ checked) {
    const LPCSTR pictures[6] = {static_cast<LPCSTR>(clear),
                                static_cast<LPCSTR>(checked),
                                static_cast<LPCSTR>(clear),
                                static_cast<LPCSTR>(checked),
                                nullptr,
                                nullptr};
    const WORD types[6] = {
        SS_PICTURE_HANDLE, SS_PICTURE_HANDLE, SS_PICTURE_HANDLE, SS_PICTURE_HANDLE, 0, 0};
    SSCELLTYPE type;
    sheet.SetTypeCheckBox(&type, 0x300, "", pictures, types);
    return type;
}

bool Mdx_Spread::setCheckBoxColumn(int col, bool withBorder, bool spanHeader) {
    if (!attached) return false;
    ensureCheckImages();
    const SSCELLTYPE type =
        checkBoxType(*this, uncheckedImage->GetSafeHandle(), checkedImage->GetSafeHandle());
    const int rows = GetMaxRows();
    bool ok = true;
    if (rows >= 1) {
        ok = SetCellTypeRange(col, 1, col, rows, &type) != FALSE;
        if (withBorder) SetBorderRange(col, 1, col, rows, 2, 6, 0);
    }
    if (spanHeader) AddCellSpan(col, SS_HEADER, 2, 1);
    return ok;
}

bool Mdx_Spread::setCheckBoxCell(int col, int row, bool withBorder) {
    if (!attached) return false;
    ensureCheckImages();
    const SSCELLTYPE type =
        checkBoxType(*this, uncheckedImage->GetSafeHandle(), checkedImage->GetSafeHandle());
    const bool ok = SetCellType(col, row, &type) != FALSE;
    if (withBorder) SetBorder(col, row, 2, 6, 0);
    return ok;
}

bool Mdx_Spread::setLabelledChecks(const Mdx_StringArray& labels, const AcArray<bool>& checks,
                                   int row) {
    if (!attached) return false;
    for (int i = 0; i < labels.length(); ++i) {
        setCellData(2 * i + 2, row, labels[i]);
        if (i < checks.length()) setCheck(2 * i + 1, row, checks[i]);
    }
    return true;
}

bool Mdx_Spread::setButtonColumn(int col, const Mdx_String& caption, bool spanHeader) {
    if (!attached) return false;
    SSCELLTYPE type;
    SetTypeButton(&type, 0, caption.c_str(), nullptr, 0);
    const int rows = GetMaxRows();
    bool ok = true;
    if (rows >= 1) ok = SetCellTypeRange(col, 1, col, rows, &type) != FALSE;
    if (spanHeader && col > 1) AddCellSpan(col - 1, SS_HEADER, 2, 1);
    markChanged();
    return ok;
}

bool Mdx_Spread::setButtonCell(int col, int row, const Mdx_String& caption) {
    if (!attached) return false;
    SSCELLTYPE type;
    SetTypeButton(&type, 0, caption.c_str(), nullptr, 0);
    const bool ok = SetCellType(col, row, &type) != FALSE;
    markChanged();
    return ok;
}

bool Mdx_Spread::setPictureFileCell(const Mdx_String& path, int col, int row) {
    if (!attached || !fileExists(path)) return false;
    int width = 0, height = 0;
    if (HANDLE image = LoadImage(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)) {
        win::imageSize(image, width, height);
        DeleteObject(image);
    }
    SetRowHeightInPixels(row, height);
    AddCellSpan(col, row, GetMaxCols(), 1);
    if (col > 1) SetBorder(col - 1, row, 18, 6, 0x8000000B);
    SSCELLTYPE type;
    SetTypePicture(&type, 36, path.c_str());
    return SetCellType(col, row, &type) != FALSE;
}

bool Mdx_Spread::setResourceImageCell(int col, int row, int resourceId, bool isIcon) {
    if (!attached) return false;
    HINSTANCE module = AfxGetResourceHandle();
    HGDIOBJ image = isIcon ? static_cast<HGDIOBJ>(LoadIcon(module, MAKEINTRESOURCE(resourceId)))
                           : static_cast<HGDIOBJ>(LoadBitmap(module, MAKEINTRESOURCE(resourceId)));
    if (!image) return false;
    SSCELLTYPE type;
    SetTypePictureHandle(&type, isIcon ? 0x211004 : 0x210024, image);
    return SetCellType(col, row, &type) != FALSE;
}

int Mdx_Spread::getCellTypeCode(int col, int row) const {
    if (!attached) return -1;
    SSCELLTYPE type;
    if (!GetCellType(col, row, &type)) return -1;
    return type.code;
}
