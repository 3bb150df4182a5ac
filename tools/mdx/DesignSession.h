#pragma once
// The module's side of mdx design: its resources in use, designs read by name, and a page
// to realise a design on as the macro dialog does.
#include <memory>
#include <ostream>
#include <string>

#include "win/CDialog.h"

class CFont;
class KvTempResourceOverride;
class Mdx_DlgDesignerData;

class DesignPage : public CDialog {
public:
    Mdx_DlgDesignerData* design = nullptr;
    BOOL OnEraseBkgnd(HDC dc) override;
};

class DesignSession {
public:
    DesignSession();
    ~DesignSession();

    // Reads the design of that name (below the root folder, "/" or "\\" between folders)
    // with its picture; false, with the reason on err, when there is none or it is unreadable.
    bool read(Mdx_DlgDesignerData& data, const std::string& name, std::ostream& err);
    // A page of the picture's size with the picture as background and the controls realised
    // in run mode.
    bool realise(Mdx_DlgDesignerData& data, std::ostream& err);
    HWND page() const;

private:
    std::unique_ptr<KvTempResourceOverride> resources_;
    std::unique_ptr<CFont> font_;
    std::unique_ptr<DesignPage> page_;
};
