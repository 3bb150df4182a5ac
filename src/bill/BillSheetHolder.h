#pragma once
// The hidden window a bill is written into: a modeless dialog (template 248) that is never
// shown, holding the one sheet. The window is made on first use with the host's main window
// as parent and destroyed with the holder.
#include <memory>

class BillSheetDialog;
class Mdx_Spread;

class BillSheetHolder {
public:
    BillSheetHolder();
    ~BillSheetHolder();
    BillSheetHolder(const BillSheetHolder&) = delete;
    BillSheetHolder& operator=(const BillSheetHolder&) = delete;

    // Creates the window when there is none; false when it cannot be made.
    bool create();
    // The sheet of the window, or null while there is no window.
    Mdx_Spread* sheet() const;

private:
    bool m_created = false;
    std::unique_ptr<BillSheetDialog> m_dialog;
};
