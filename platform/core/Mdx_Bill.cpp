#include "core/Mdx_Bill.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <string>

#include "core/FileHelpers.h"
#include "core/PathHelpers.h"

namespace {

int gRenderingWindows = 0;
std::atomic<int> gPictureCounter{0};

// A new file among the system's temporary files (a real absolute path is a module path too).
Mdx_String temporaryPicturePath(const Mdx_String& source) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path();
    const std::string name = "mdx-bill-picture-" + std::to_string(::getpid()) + "-" +
                             std::to_string(gPictureCounter++) + "." +
                             getExtension(source).str();
    return Mdx_String((folder / name).string());
}

}  // namespace

void Mdx_Bill::setPicture(const Mdx_String& rowMark, const Mdx_String& bitmapFile) {
    m_pictures[rowMark] = bitmapFile;
}

bool Mdx_Bill::pictureOf(const Mdx_String& rowMark, Mdx_String& bitmapFile) const {
    const auto found = m_pictures.find(rowMark);
    if (found == m_pictures.end()) return false;
    bitmapFile = found->second;
    return true;
}

bool createImage(const Mdx_StringArray& row, Mdx_String& picturePath, int&, int&, int&, bool&,
                 bool&, Mdx_Bill* bill, AcTransaction*) {
    picturePath.setEmpty();
    Mdx_String source;
    if (!bill || row.isEmpty() || !bill->pictureOf(row[0], source)) return false;
    const Mdx_String target = temporaryPicturePath(source);
    if (!copyFile(source, target)) return false;
    picturePath = target;
    return true;
}

void initBMPDialog(int) {
    ++gRenderingWindows;
}

void closeBMPDialog() {
    if (gRenderingWindows > 0) --gRenderingWindows;
}

bool isBMPDialogOpen() {
    return gRenderingWindows > 0;
}
