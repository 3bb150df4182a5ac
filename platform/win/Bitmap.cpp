#include "win/Bitmap.h"

#include <stb/stb_image.h>

#include <cstring>
#include <limits>
#include <memory>

#include "win/FilePaths.h"
#include "win/GdiObjects.h"
#include "win/ResourceModule.h"
#include "win/WinMessages.h"

using win::detail::BitmapData;
using win::detail::GdiKind;
using win::detail::GdiObject;

namespace {

std::shared_ptr<BitmapData> decode(const unsigned char* bytes, std::size_t size) {
    if (!bytes || size == 0 || size > static_cast<std::size_t>(std::numeric_limits<int>::max()))
        return nullptr;
    int w = 0, h = 0, channels = 0;
    // Refuse absurd dimensions before decoding anything.
    if (!stbi_info_from_memory(bytes, static_cast<int>(size), &w, &h, &channels)) return nullptr;
    if (w <= 0 || h <= 0 || static_cast<long long>(w) * h > 64ll * 1024 * 1024) return nullptr;
    unsigned char* rgba =
        stbi_load_from_memory(bytes, static_cast<int>(size), &w, &h, &channels, 4);
    if (!rgba) return nullptr;
    auto data = std::make_shared<BitmapData>();
    data->width = w;
    data->height = h;
    data->pixels.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
    for (std::size_t i = 0; i < data->pixels.size(); ++i) {
        const unsigned char* p = rgba + i * 4;
        data->pixels[i] = (std::uint32_t(p[3]) << 24) | (std::uint32_t(p[0]) << 16) |
                          (std::uint32_t(p[1]) << 8) | p[2];
    }
    stbi_image_free(rgba);
    return data;
}

bool isBmp(const std::string& bytes) {
    return bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M';
}

std::uint32_t readU32(const std::string& s, std::size_t at) {
    if (at + 4 > s.size()) return 0;
    return std::uint32_t(static_cast<unsigned char>(s[at])) |
           (std::uint32_t(static_cast<unsigned char>(s[at + 1])) << 8) |
           (std::uint32_t(static_cast<unsigned char>(s[at + 2])) << 16) |
           (std::uint32_t(static_cast<unsigned char>(s[at + 3])) << 24);
}

std::uint16_t readU16(const std::string& s, std::size_t at) {
    if (at + 2 > s.size()) return 0;
    return static_cast<std::uint16_t>(static_cast<unsigned char>(s[at]) |
                                      (static_cast<unsigned char>(s[at + 1]) << 8));
}

void writeU32(std::string& s, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        s[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// The first image of an icon file: PNG data as it is, DIB data with a file header added and
// its doubled height (colour and mask) halved.
std::shared_ptr<BitmapData> decodeIcon(const std::string& bytes) {
    if (bytes.size() < 6 || readU16(bytes, 0) != 0 || readU16(bytes, 2) != 1 ||
        readU16(bytes, 4) == 0)
        return nullptr;
    const std::uint32_t size = readU32(bytes, 6 + 8);
    const std::uint32_t offset = readU32(bytes, 6 + 12);
    if (offset >= bytes.size() || size > bytes.size() - offset || size < 40) return nullptr;
    std::string image = bytes.substr(offset, size);
    if (image.compare(0, 4, "\x89PNG") == 0)
        return decode(reinterpret_cast<const unsigned char*>(image.data()), image.size());
    const std::uint32_t headerSize = readU32(image, 0);
    if (headerSize < 40 || headerSize > image.size()) return nullptr;
    const std::int32_t height = static_cast<std::int32_t>(readU32(image, 8));
    writeU32(image, 8, static_cast<std::uint32_t>(height / 2));
    const std::uint16_t bits = readU16(image, 14);
    std::uint32_t colours = readU32(image, 32);
    if (colours == 0 && bits <= 8) colours = 1u << bits;
    std::string file(14, '\0');
    file[0] = 'B';
    file[1] = 'M';
    writeU32(file, 2, static_cast<std::uint32_t>(14 + image.size()));
    writeU32(file, 10, 14 + headerSize + colours * 4);
    file += image;
    return decode(reinterpret_cast<const unsigned char*>(file.data()), file.size());
}

HGDIOBJ addImage(std::shared_ptr<BitmapData> data, GdiKind kind) {
    if (!data) return nullptr;
    GdiObject object;
    object.kind = kind;
    object.bitmap = std::move(data);
    return win::detail::addGdiObject(std::move(object));
}

std::shared_ptr<const BitmapData> dataOf(HGDIOBJ image) {
    const GdiObject* object = win::detail::findGdiObject(image);
    if (!object || (object->kind != GdiKind::Bitmap && object->kind != GdiKind::Icon))
        return nullptr;
    return object->bitmap;
}

const std::string* resourceFile(HINSTANCE module, LPCSTR name, bool icon,
                                const win::ResourceModule** owner) {
    if (!IS_INTRESOURCE(name)) return nullptr;
    const UINT id = static_cast<UINT>(reinterpret_cast<UINT_PTR>(name));
    HINSTANCE search =
        module ? module
               : win::findResourceModule(id, icon ? win::kIconResource : win::kBitmapResource);
    const win::ResourceModule* m = win::resourceModule(search);
    if (!m) return nullptr;
    const auto& files = icon ? m->script.iconFiles : m->script.bitmapFiles;
    auto it = files.find(id);
    if (it == files.end()) return nullptr;
    *owner = m;
    return &it->second;
}

}  // namespace

namespace win {

HBITMAP createBitmapFromBytes(const std::string& bytes) {
    if (!isBmp(bytes)) return nullptr;
    return static_cast<HBITMAP>(
        addImage(decode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()),
                 GdiKind::Bitmap));
}

HBITMAP loadBitmapFile(const std::filesystem::path& file) {
    std::string bytes;
    if (!readWholeFile(file, bytes)) return nullptr;
    return createBitmapFromBytes(bytes);
}

HICON loadIconFile(const std::filesystem::path& file) {
    std::string bytes;
    if (!readWholeFile(file, bytes)) return nullptr;
    auto data = isBmp(bytes)
                    ? decode(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size())
                    : decodeIcon(bytes);
    return static_cast<HICON>(addImage(std::move(data), GdiKind::Icon));
}

bool imageSize(HGDIOBJ image, int& width, int& height) {
    auto data = dataOf(image);
    if (!data) return false;
    width = data->width;
    height = data->height;
    return true;
}

std::uint32_t imagePixel(HGDIOBJ image, int x, int y) {
    auto data = dataOf(image);
    if (!data || x < 0 || y < 0 || x >= data->width || y >= data->height) return 0;
    return data->pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(data->width) +
                        static_cast<std::size_t>(x)];
}

}  // namespace win

HBITMAP LoadBitmap(HINSTANCE module, LPCSTR name) {
    const win::ResourceModule* owner = nullptr;
    const std::string* file = resourceFile(module, name, false, &owner);
    return file ? win::loadBitmapFile(win::resourceFilePath(*owner, *file)) : nullptr;
}

HICON LoadIcon(HINSTANCE module, LPCSTR name) {
    if (name == IDI_APPLICATION) {
        auto data = std::make_shared<BitmapData>();
        data->width = data->height = 32;
        data->pixels.assign(32 * 32, 0xFF808080u);
        return static_cast<HICON>(addImage(std::move(data), GdiKind::Icon));
    }
    const win::ResourceModule* owner = nullptr;
    const std::string* file = resourceFile(module, name, true, &owner);
    return file ? win::loadIconFile(win::resourceFilePath(*owner, *file)) : nullptr;
}

HANDLE LoadImage(HINSTANCE module, LPCSTR name, UINT type, int, int, UINT flags) {
    if (flags & LR_LOADFROMFILE) {
        if (!name || IS_INTRESOURCE(name)) return nullptr;
        const auto file = win::mapPath(name);
        return type == IMAGE_ICON ? static_cast<HANDLE>(win::loadIconFile(file))
                                  : static_cast<HANDLE>(win::loadBitmapFile(file));
    }
    return type == IMAGE_ICON ? static_cast<HANDLE>(LoadIcon(module, name))
                              : static_cast<HANDLE>(LoadBitmap(module, name));
}

BOOL DestroyIcon(HICON icon) {
    return DeleteObject(icon);
}

BOOL CBitmap::LoadBitmap(UINT id) {
    return LoadBitmap(MAKEINTRESOURCE(id));
}

BOOL CBitmap::LoadBitmap(LPCSTR name) {
    if (m_hObject) return FALSE;
    HINSTANCE module = AfxFindResourceHandle(name, win::kBitmapResource);
    m_hObject = ::LoadBitmap(module, name);
    return m_hObject ? TRUE : FALSE;
}
