// MacroData::changeView: the drawing turned to the macros of the data.
#include "core/macro/MacroData.h"
#include "host/DrawingView.h"

bool MacroData::changeView(int direction, const Mdx_String& tabName) {
    Mdx_String subject = tabName;
    if (!macroNames_.isEmpty()) subject = macroNames_[0] + (tabName.isEmpty() ? "" : ".") + tabName;
    if (!host::DrawingView::set(direction, subject.toUtf8())) return false;
    state_.viewDirection = direction;
    return true;
}
