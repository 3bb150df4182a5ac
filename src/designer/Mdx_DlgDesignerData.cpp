#include "designer/Mdx_DlgDesignerData.h"

#include <algorithm>
#include <cmath>

#include "core/ObjectExportRounding.h"
#include "host/CommandLine.h"
#include "designer/CControlRect.h"
#include "designer/CControlRectManager.h"
#include "win/Bitmap.h"
#include "win/CDialog.h"

double ctrlHeightScale = 1.0;

namespace {

// Factors come from files people edit by hand; a window is never placed further out than this.
constexpr double kFarthestPixel = 100000.0;

int toPixel(double value) {
    if (!std::isfinite(value)) return 0;
    value = std::clamp(value, -kFarthestPixel, kFarthestPixel);
    return static_cast<int>(ObjectExportRoundTo(value, 1));
}

}  // namespace

Mdx_DlgDesignerData::Mdx_DlgDesignerData() = default;

Mdx_DlgDesignerData::Mdx_DlgDesignerData(const Mdx_DlgDesignerData&) : Mdx_DlgDesignerData() {}

Mdx_DlgDesignerData& Mdx_DlgDesignerData::operator=(const Mdx_DlgDesignerData&) { return *this; }

Mdx_DlgDesignerData::~Mdx_DlgDesignerData() {
    removeAllDrawnCtrls();
    clearImage();
    if (m_flexIcon) DestroyIcon(m_flexIcon);
}

CDialog* Mdx_DlgDesignerData::getDlgPtr() const {
    if (!m_host || !IsWindow(m_host)) return nullptr;
    return dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(m_host));
}

const Mdx_DesignerControl* Mdx_DlgDesignerData::getControl(int index) const {
    if (index < 0 || index >= getNrControls()) return nullptr;
    return &m_controls[static_cast<std::size_t>(index)];
}

Mdx_DesignerControl* Mdx_DlgDesignerData::getControlWrite(int index) {
    if (index < 0 || index >= getNrControls()) return nullptr;
    return &m_controls[static_cast<std::size_t>(index)];
}

bool Mdx_DlgDesignerData::idInUse(int id) const {
    return std::any_of(m_controls.begin(), m_controls.end(),
                       [id](const Mdx_DesignerControl& c) { return c.resId == id; });
}

// A control without a free id could never be found again, so it is not taken at all: the
// caller sees 0 and the list stays as it was.
int Mdx_DlgDesignerData::append(const Mdx_DesignerControl& control) {
    for (int id = m_firstId; id <= m_lastId && id > 0; ++id) {
        if (idInUse(id)) continue;
        m_controls.push_back(control);
        m_controls.back().resId = id;
        return id;
    }
    return 0;
}

bool Mdx_DlgDesignerData::findCtrlFromResource(int id, int& index) const {
    if (id <= 0) return false;
    for (int i = 0; i < getNrControls(); ++i) {
        if (m_controls[static_cast<std::size_t>(i)].resId == id) {
            index = i;
            return true;
        }
    }
    return false;
}

const Mdx_DesignerControl* Mdx_DlgDesignerData::getControlFromRes(int id) const {
    int index = -1;
    return findCtrlFromResource(id, index) ? getControl(index) : nullptr;
}

bool Mdx_DlgDesignerData::removeControl(int index) {
    if (index < 0 || index >= getNrControls()) return false;
    m_controls.erase(m_controls.begin() + index);
    return true;
}

void Mdx_DlgDesignerData::getAllCtrlNames(Mdx_StringArray& names) const {
    names.setEmpty();
    for (const Mdx_DesignerControl& c : m_controls)
        if (c.type == ctVarEdit) names.append(c.contents);
}

bool Mdx_DlgDesignerData::getDynControlType(int id, Mdx_ControlType& type) const {
    const Mdx_DesignerControl* control = getControlFromRes(id);
    if (!control) return false;
    type = control->type;
    return true;
}

bool Mdx_DlgDesignerData::isTypeBoltCount(int id) const {
    Mdx_ControlType type = ctStaticText;
    return getDynControlType(id, type) && (type == ctPatternEdit || type == ctPatternCountEdit);
}

bool Mdx_DlgDesignerData::findEditCtrlWithContents(const Mdx_String& name, int& index) const {
    for (int i = 0; i < getNrControls(); ++i) {
        const Mdx_DesignerControl& c = m_controls[static_cast<std::size_t>(i)];
        if ((c.type == ctVarEdit || c.type == ctVarCombo) && c.contents.equal(name, false)) {
            index = i;
            return true;
        }
    }
    return false;
}

void Mdx_DlgDesignerData::getImageSize(int& width, int& height) const {
    width = m_initialized ? m_imageWidth : 0;
    height = m_initialized ? m_imageHeight : 0;
}

void Mdx_DlgDesignerData::measure(int& width, int& height) const {
    width = m_imageWidth;
    height = m_imageHeight;
    if (width > 0 && height > 0) return;
    width = height = 0;
    RECT client{};
    if (m_host && GetClientRect(m_host, &client)) {
        width = client.right - client.left;
        height = client.bottom - client.top;
    }
    if (width <= 0 || height <= 0) width = height = 0;
}

bool Mdx_DlgDesignerData::hasMeasure() const {
    int w = 0, h = 0;
    measure(w, h);
    return w > 0;
}

double Mdx_DlgDesignerData::pixelsToFactor(bool horizontal, double pixels) const {
    int w = 0, h = 0;
    measure(w, h);
    const int size = horizontal ? w : h;
    return size > 0 ? pixels / size : 0.0;
}

double Mdx_DlgDesignerData::factorToPixels(bool horizontal, double factor) const {
    int w = 0, h = 0;
    measure(w, h);
    return factor * (horizontal ? w : h);
}

double Mdx_DlgDesignerData::getTopLeftX(const Mdx_DesignerControl& c) const {
    return factorToPixels(true, c.topLeftX);
}
double Mdx_DlgDesignerData::getTopLeftY(const Mdx_DesignerControl& c) const {
    return factorToPixels(false, c.topLeftY);
}
double Mdx_DlgDesignerData::getBottomRightX(const Mdx_DesignerControl& c) const {
    return factorToPixels(true, c.bottomRightX);
}
double Mdx_DlgDesignerData::getBottomRightY(const Mdx_DesignerControl& c) const {
    return factorToPixels(false, c.bottomRightY);
}
double Mdx_DlgDesignerData::getWidth(const Mdx_DesignerControl& c) const {
    return getBottomRightX(c) - getTopLeftX(c);
}
double Mdx_DlgDesignerData::getHeight(const Mdx_DesignerControl& c) const {
    return getBottomRightY(c) - getTopLeftY(c);
}

bool Mdx_DlgDesignerData::setTopLeftX(Mdx_DesignerControl& c, double pixels) const {
    if (!hasMeasure()) return false;
    c.topLeftX = pixelsToFactor(true, pixels);
    return true;
}
bool Mdx_DlgDesignerData::setTopLeftY(Mdx_DesignerControl& c, double pixels) const {
    if (!hasMeasure()) return false;
    c.topLeftY = pixelsToFactor(false, pixels);
    return true;
}
bool Mdx_DlgDesignerData::setBottomRightX(Mdx_DesignerControl& c, double pixels) const {
    if (!hasMeasure()) return false;
    c.bottomRightX = pixelsToFactor(true, pixels);
    return true;
}
bool Mdx_DlgDesignerData::setBottomRightY(Mdx_DesignerControl& c, double pixels) const {
    if (!hasMeasure()) return false;
    c.bottomRightY = pixelsToFactor(false, pixels);
    return true;
}
bool Mdx_DlgDesignerData::setWidth(Mdx_DesignerControl& c, double pixels) const {
    return setBottomRightX(c, getTopLeftX(c) + pixels);
}
// The bottom stays: aligning bottoms relies on it.
bool Mdx_DlgDesignerData::setHeight(Mdx_DesignerControl& c, double pixels) const {
    return setTopLeftY(c, getBottomRightY(c) - pixels);
}

RECT Mdx_DlgDesignerData::controlRect(const Mdx_DesignerControl& c) const {
    RECT r{};
    r.left = toPixel(getTopLeftX(c));
    r.top = toPixel(getTopLeftY(c));
    r.right = toPixel(getBottomRightX(c));
    r.bottom = toPixel(getBottomRightY(c));
    return r;
}

void Mdx_DlgDesignerData::printPositions() const {
    for (const Mdx_DesignerControl& c : m_controls) {
        acutPrintf("**** Control %s ****\n", c.contents.c_str());
        acutPrintf("Left: %f - Right: %f\n", c.topLeftX, c.bottomRightX);
        acutPrintf("Top: %f - Bottom: %f\n", c.topLeftY, c.bottomRightY);
    }
    acutPrintf("********\n");
}
