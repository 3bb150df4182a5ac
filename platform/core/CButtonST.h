#pragma once
// A push button (or push-like check box) that shows an icon or a bitmap with a transparent
// colour, optionally beside its text, drawn flat or raised, with a tooltip. A dialog
// subclasses its template's button (SubclassDlgItem) and then sets the picture; the button
// paints itself, so the dialog's picture shows it as the user sees it.
#include "core/Mdx_String.h"
#include "win/CButton.h"
#include "win/CDC.h"

class CButtonST : public CButton {
public:
    // Where the picture sits against the text.
    enum Align {
        ST_ALIGN_HORIZ = 0,        // picture left, text right
        ST_ALIGN_VERT = 1,         // picture above the text
        ST_ALIGN_HORIZ_RIGHT = 2,  // text left, picture right
        ST_ALIGN_OVERLAP = 3,      // picture and text centred on each other
    };

    CButtonST() = default;
    ~CButtonST() override;

    // An icon from the module's resources (the current resource search); false, picture
    // unchanged, when there is none with that number.
    bool SetIcon(int iconId);
    // Takes an icon the caller keeps.
    bool SetIcon(HICON icon);
    // A bitmap whose pixels of colour transparent let the button face show through: from
    // the resources, from a file (a module path, ".bmp"), or a bitmap the caller keeps.
    bool SetBitmaps(int bitmapId, COLORREF transparent);
    bool SetBitmaps(HBITMAP bitmap, COLORREF transparent);
    bool SetBitmapFile(const Mdx_String& path, COLORREF transparent);

    void SetFlat(bool flat = true, bool repaint = true);
    void DrawFlatFocus(bool draw, bool repaint = true);
    void DrawBorder(bool draw = true, bool repaint = true);
    void SetAlign(int align, bool repaint = true);

    // The tooltip: a text of the string table (dialString) or a text given directly. It
    // shows when the pointer rests on the button, while the tooltip is active.
    void SetTooltipText(int textId, bool activate = true);
    void SetTooltipText(const Mdx_String& text, bool activate = true);
    void ActivateTooltip(bool activate = true);

    bool isFlat() const { return m_flat; }
    bool drawsBorder() const { return m_border; }
    int align() const { return m_align; }
    HICON icon() const { return m_icon; }
    // The bitmap with its transparent pixels turned black, and its mask (white where
    // transparent); null without a bitmap.
    HBITMAP bitmapImage() const { return m_image; }
    HBITMAP bitmapMask() const { return m_mask; }

protected:
    void OnPaint() override;

private:
    void dropPicture();
    void removeTooltip();
    bool takeBitmap(HBITMAP bitmap, bool owned, COLORREF transparent);
    void drawPicture(CDC& dc, const RECT& area);
    SIZE pictureSize() const;
    void refresh(bool repaint);
    void applyTooltip();

    HICON m_icon = nullptr;
    bool m_ownsIcon = false;
    HBITMAP m_image = nullptr;  // owned
    HBITMAP m_mask = nullptr;   // owned
    bool m_flat = true;
    bool m_flatFocus = true;
    bool m_border = true;
    int m_align = ST_ALIGN_HORIZ;
    Mdx_String m_tooltip;
    UINT m_tooltipId = 0;
    bool m_tooltipActive = true;
};
