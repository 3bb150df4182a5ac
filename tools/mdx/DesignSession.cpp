#include "DesignSession.h"

#include "core/FileHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "resources/ModuleResources.h"
#include "win/Bitmap.h"
#include "win/CDialog.h"
#include "win/CDC.h"

namespace {

constexpr int kPageWithoutPicture[2] = {400, 300};

}  // namespace

// The page draws the design's picture as its background, as a macro dialog page does.
BOOL DesignPage::OnEraseBkgnd(HDC dc) {
    if (!design) return CDialog::OnEraseBkgnd(dc);
    CDC context;
    context.Attach(dc);
    const BOOL erased = design->OnEraseBkgnd(&context);
    context.Detach();
    return erased;
}

DesignSession::DesignSession() {
    if (HINSTANCE module = resources::moduleResourceHandle())
        KvTempResourceOverride::SaveDefaultResource(module);
    resources_ = std::make_unique<KvTempResourceOverride>();
}

DesignSession::~DesignSession() {
    page_.reset();
}

bool DesignSession::read(Mdx_DlgDesignerData& data, const std::string& name, std::ostream& err) {
    Mdx_String relative = Mdx_String::fromUtf8(name);
    relative.replace("/", "\\", true);
    const Mdx_String path = getDesignerRootFolder() + relative + ".txt";
    if (!fileExists(path)) {
        err << "mdx design: there is no design \"" << name << "\" (no file " << path.toUtf8()
            << "); mdx design list shows the designs\n";
        return false;
    }
    if (!data.readFromFile(path, true)) {
        err << "mdx design: " << path.toUtf8()
            << " is not a design that can be read (not a control list, a name leaving the "
               "root folder, or more controls than ids)\n";
        return false;
    }
    return true;
}

bool DesignSession::realise(Mdx_DlgDesignerData& data, std::ostream& err) {
    int width = kPageWithoutPicture[0], height = kPageWithoutPicture[1];
    if (data.getImage()) win::imageSize(data.getImage(), width, height);
    page_ = std::make_unique<DesignPage>();
    font_ = std::make_unique<CFont>();
    font_->CreatePointFont(80, "MS Sans Serif");
    if (!page_->CreateEx(0, "#32770", data.getName().c_str(), WS_POPUP | WS_VISIBLE, 0, 0, width,
                         height, nullptr, nullptr)) {
        err << "mdx design render: no page to draw on\n";
        return false;
    }
    page_->SetFont(font_.get(), FALSE);
    if (!data.initialize(page_.get(), 33000, 33099, 0, 0, 0, 0, 0, false)) return false;
    data.redrawAllControls();
    page_->design = &data;
    return true;
}

HWND DesignSession::page() const { return page_ ? page_->m_hWnd : nullptr; }
