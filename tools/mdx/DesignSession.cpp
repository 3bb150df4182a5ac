#include "DesignSession.h"

#include "core/FileHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "designer/DesignPicture.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "resources/ModuleResources.h"
#include "win/Bitmap.h"
#include "win/CDialog.h"
#include "win/CStatic.h"

namespace {

constexpr int kPageWithoutPicture[2] = {400, 300};

}  // namespace

DesignSession::DesignSession() {
    if (HINSTANCE module = resources::moduleResourceHandle())
        KvTempResourceOverride::SaveDefaultResource(module);
    resources_ = std::make_unique<KvTempResourceOverride>();
}

DesignSession::~DesignSession() {
    background_.reset();
    page_.reset();
    if (picture_) DeleteObject(picture_);
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
    page_ = std::make_unique<CDialog>();
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
    // The picture lies under the controls, its white parts showing the dialog face.
    picture_ = designer::pictureOnFace(data, GetSysColor(COLOR_BTNFACE));
    if (picture_) {
        background_ = std::make_unique<CStatic>();
        background_->Create("", WS_CHILD | WS_VISIBLE | SS_BITMAP, RECT{0, 0, width, height},
                            page_.get(), 0xFFFF);
        background_->SetBitmap(picture_);
        ::SetWindowPos(background_->m_hWnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    return true;
}

HWND DesignSession::page() const { return page_ ? page_->m_hWnd : nullptr; }
