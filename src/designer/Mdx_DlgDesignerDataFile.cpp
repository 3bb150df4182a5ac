// The file pair of a design: "<name>.txt" (the control list) and "<name>.bmp" (the picture)
// under the root folder.
#include <algorithm>
#include <cstdint>
#include <vector>
#include <cstdlib>
#include <set>

#include "core/FileHelpers.h"
#include "core/Mdx_PropertiesList.h"
#include "core/Mdx_Settings.h"
#include "core/PathHelpers.h"
#include "core/StringHelpers.h"
#include "designer/DesignPicture.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "win/Bitmap.h"
#include "win/FilePaths.h"

Mdx_String getDesignerRootFolder() { return gSettings.libDir() + "Dialog Templates\\Dialog Design\\"; }

void getModuleImages(Mdx_StringArray& names) {
    names.setEmpty();
    const Mdx_String root = getDesignerRootFolder();
    Mdx_StringArray paths;
    ObjectExportFindFilesRecursive(root, "*.txt", paths);
    for (Mdx_String path : paths) {
        if (!path.startsWith(root, false)) continue;
        path = path.mid(root.length());
        removeExtension(path);
        names.append(path);
    }
    sortArray(names);
}

namespace {

constexpr int kMaxIndexDigits = 9;
constexpr const char* kControlKeys[] = {"type",         "topLeftX", "topLeftY", "bottomRightX",
                                        "bottomRightY", "contents", "comboList"};

// The control index of a key of the control list: a key word followed by the index in
// decimal without leading zeros, as the writer puts it; -1 for any other key.
int controlIndexOf(const Mdx_String& key) {
    for (const char* word : kControlKeys) {
        const Mdx_String prefix(word);
        if (!key.startsWith(prefix, false)) continue;
        const Mdx_String digits = key.mid(prefix.length());
        if (digits.isEmpty() || digits.length() > kMaxIndexDigits) continue;
        if (!std::all_of(digits.str().begin(), digits.str().end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        const int index = std::atoi(digits.c_str());
        if (Mdx_String::fromInt(index) == digits) return index;
    }
    return -1;
}

// A name may go down into sub-folders, never up or onto another drive.
bool isSafeName(Mdx_String name) {
    if (name.isEmpty() || name.findChar(':') >= 0) return false;
    name.replace("/", "\\", true);
    for (const Mdx_String& part : strToArr(name, "\\"))
        if (part.isEmpty() || part == ".." || part == ".") return false;
    return true;
}

}  // namespace

// The keys drive the reading, not the count: a count far beyond the keys costs nothing, and
// an index without any key is no control at all.
bool Mdx_DlgDesignerData::readControls(const Mdx_PropertiesList& list,
                                       std::vector<Mdx_DesignerControl>& controls) {
    controls.clear();
    int count = 0;
    if (!list.hasKey("nrOfControls")) return true;  // an empty design
    if (!list.getInt("nrOfControls", count) || count < 0) return false;
    std::set<int> indices;
    for (int k = 0; k < list.count(); ++k) {
        const int index = controlIndexOf(list.keyAt(k));
        if (index >= 0 && index < count) indices.insert(index);
    }
    for (int index : indices) {
        Mdx_DesignerControl control;
        control.getFromPropList(list, index);
        controls.push_back(control);
    }
    return true;
}

bool Mdx_DlgDesignerData::underRoot(const Mdx_String& path, Mdx_String& name) const {
    const Mdx_String root = getDesignerRootFolder();
    if (!startsWith(path, root, false)) return false;
    name = path.mid(root.length());
    removeExtension(name);
    return isSafeName(name);
}

bool Mdx_DlgDesignerData::readFromFile(const Mdx_String& path, bool withImage) {
    Mdx_String name;
    if (!underRoot(path, name) || !fileExists(path)) return false;
    Mdx_PropertiesList list;
    std::vector<Mdx_DesignerControl> controls;
    if (!list.readFromFile(path) || !readControls(list, controls)) return false;
    // More controls than ids: the surplus could never be addressed, so the file is refused.
    if (static_cast<long long>(controls.size()) > static_cast<long long>(m_lastId) - m_firstId + 1)
        return false;
    m_name = name;
    m_controls.clear();
    for (const Mdx_DesignerControl& control : controls) append(control);
    if (withImage) {
        Mdx_String image = path;
        changeExtension(image, "bmp");
        // A design without a picture must not keep the one of the design read before it.
        if (!attachBitmap(image)) clearImage();
    }
    return true;
}

bool Mdx_DlgDesignerData::writeToFile(const Mdx_String& path) {
    Mdx_String name;
    if (!underRoot(path, name)) return false;
    const Mdx_String root = getDesignerRootFolder();
    getSizeFromAllControls();
    Mdx_PropertiesList list;
    list.setInt("nrOfControls", getNrControls());
    for (int i = 0; i < getNrControls(); ++i) m_controls[static_cast<std::size_t>(i)].setToPropList(list, i);
    if (!ensureFolder(getPath(path)) || !list.writeToFile(path)) return false;
    const Mdx_String oldName = m_name;
    m_name = name;
    // Saving under a new name carries the picture along; under the same name it is in place.
    const Mdx_String oldImage = root + oldName + ".bmp";
    if (oldName.isEmpty() || oldName.equal(name, false) || !fileExists(oldImage)) return true;
    Mdx_String newImage = path;
    changeExtension(newImage, "bmp");
    return copyFile(oldImage, newImage);
}

void Mdx_DlgDesignerData::clearImage() {
    for (HBITMAP* bitmap : {&m_image, &m_maskBitmap, &m_paintImage}) {
        if (*bitmap) DeleteObject(*bitmap);
        *bitmap = nullptr;
    }
    m_mask.clear();
    m_imageWidth = m_imageHeight = 0;
}

bool Mdx_DlgDesignerData::attachBitmap(const Mdx_String& path) {
    if (!fileExists(path)) return false;
    clearImage();
    HBITMAP image = win::loadBitmapFile(win::mapPath(path.str()));
    int width = 0, height = 0;
    if (!image || !win::imageSize(image, width, height) || width <= 0 || height <= 0) {
        if (image) DeleteObject(image);
        return false;
    }
    m_image = image;
    m_imageWidth = width;
    m_imageHeight = height;
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    m_mask.assign(count, false);
    std::vector<std::uint32_t> maskPixels(count), paintPixels(count);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                                   static_cast<std::size_t>(x);
            const std::uint32_t colour = win::imagePixel(image, x, y) & 0xFFFFFFu;
            m_mask[at] = colour == 0xFFFFFFu;
            maskPixels[at] = m_mask[at] ? 0xFFFFFFu : 0u;
            paintPixels[at] = m_mask[at] ? 0u : colour;
        }
    }
    m_maskBitmap = win::createBitmapFromBytes(designer::bitmapFileBytes(width, height, maskPixels.data()));
    m_paintImage = win::createBitmapFromBytes(designer::bitmapFileBytes(width, height, paintPixels.data()));
    return true;
}

bool Mdx_DlgDesignerData::isTransparentAt(int x, int y) const {
    if (x < 0 || y < 0 || x >= m_imageWidth || y >= m_imageHeight) return false;
    return m_mask[static_cast<std::size_t>(y) * static_cast<std::size_t>(m_imageWidth) + static_cast<std::size_t>(x)];
}
