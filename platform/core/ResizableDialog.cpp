#include "core/ResizableDialog.h"

#include "core/DialogHelpers.h"

void startResizableDialog(CWnd& dialog, CResizer& resizer, const CResizer::CBorderInfo* anchors,
                          int count, const Mdx_String& sizeKey) {
    resizer.Init(dialog.m_hWnd, anchors, count);
    SIZE templateSize{};
    const bool measured = getDlgSize(&dialog, templateSize);
    ChangeDlgSize(&dialog, sizeKey);
    resizer.Move();
    if (measured) resizer.setMinimumTrackSize(templateSize);
}
