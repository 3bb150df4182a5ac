#include "designer/SizeInput.h"

#include "core/Texts.h"
#include "spread/ValueInputDialog.h"
#include "win/MessageBox.h"

namespace designer {

namespace {
constexpr int kNotAPositiveSize = 9100;
constexpr double kLargestSize = 100000.0;
}  // namespace

bool askControlSize(CWnd* parent, bool horizontal, double& pixels) {
    ValueInputDialog dialog(parent);
    dialog.setTexts(dialString(horizontal ? 90 : 744), dialString(horizontal ? 825 : 826),
                    horizontal ? "30" : "18", dialString(1), dialString(2));
    if (dialog.DoModal() != IDOK) return false;
    // A size read as 0 would fold the controls away; what is not a size is refused.
    Mdx_String text = dialog.value();
    text.trim();
    const double value = text.toDouble();
    if (!text.isNumber() || !(value > 0) || value > kLargestSize) {
        AfxMessageBox(dialString(kNotAPositiveSize).c_str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    pixels = value;
    return true;
}

}  // namespace designer
