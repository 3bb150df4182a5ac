#include "win/Bitmap.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "win/ResourceModule.h"

namespace fs = std::filesystem;

namespace {

// A 24-bit bottom-up bitmap, 3 x 2: top row red, green, blue; bottom row white.
std::string smallBmp() {
    const int w = 3, h = 2, stride = 12;
    std::string data;
    const unsigned char bottom[] = {255, 255, 255, 255, 255, 255, 255, 255, 255, 0, 0, 0};
    const unsigned char top[] = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};
    data.append(reinterpret_cast<const char*>(bottom), stride);
    data.append(reinterpret_cast<const char*>(top), stride);
    std::string file(54, '\0');
    auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&file[at], &v, 4); };
    auto put16 = [&](std::size_t at, std::uint16_t v) { std::memcpy(&file[at], &v, 2); };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<std::uint32_t>(54 + data.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, w);
    put32(22, h);
    put16(26, 1);
    put16(28, 24);
    put32(34, static_cast<std::uint32_t>(data.size()));
    return file + data;
}

TEST(Bitmap, SizeAndPixelsOfABmpFile) {
    HBITMAP bitmap = win::createBitmapFromBytes(smallBmp());
    ASSERT_NE(bitmap, nullptr);
    BITMAP info;
    ASSERT_EQ(GetObject(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 3);
    EXPECT_EQ(info.bmHeight, 2);
    EXPECT_EQ(win::imagePixel(bitmap, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(win::imagePixel(bitmap, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(win::imagePixel(bitmap, 2, 0), 0xFF0000FFu);
    EXPECT_EQ(win::imagePixel(bitmap, 0, 1), 0xFFFFFFFFu);
    EXPECT_EQ(win::imagePixel(bitmap, 3, 0), 0u);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(GetObject(bitmap, sizeof info, &info), 0);
}

TEST(Bitmap, DamagedOrForeignBytesGiveNoBitmap) {
    const std::string good = smallBmp();
    EXPECT_EQ(win::createBitmapFromBytes(""), nullptr);
    EXPECT_EQ(win::createBitmapFromBytes("BM"), nullptr);
    EXPECT_EQ(win::createBitmapFromBytes(good.substr(0, 40)), nullptr);
    EXPECT_EQ(win::createBitmapFromBytes("\x89PNG\r\n\x1a\n"), nullptr)
        << "only .bmp files are bitmaps";
    std::string huge = good;
    const std::uint32_t big = 1u << 30;
    std::memcpy(&huge[18], &big, 4);
    EXPECT_EQ(win::createBitmapFromBytes(huge), nullptr);
    EXPECT_EQ(win::loadBitmapFile("/no/such.bmp"), nullptr);
}

TEST(Bitmap, ResourceBitmapsAndIconsByNumber) {
    const fs::path folder = fs::temp_directory_path() / ("mdx_bmp_" + std::to_string(::getpid()));
    fs::create_directories(folder);
    { std::ofstream(folder / "Pic.bmp", std::ios::binary) << smallBmp(); }
    // An icon file holding the same picture as a DIB with its mask rows.
    {
        std::string dib = smallBmp().substr(14);
        const std::uint32_t doubled = 4;
        std::memcpy(&dib[8], &doubled, 4);
        dib += std::string(8, '\0');  // mask: 2 rows of 4 bytes
        std::string ico(6 + 16, '\0');
        ico[2] = 1;
        ico[4] = 1;
        ico[6] = 3;
        ico[7] = 2;
        const std::uint32_t size = static_cast<std::uint32_t>(dib.size()), offset = 22;
        std::memcpy(&ico[6 + 8], &size, 4);
        std::memcpy(&ico[6 + 12], &offset, 4);
        std::ofstream(folder / "pic.ico", std::ios::binary) << ico + dib;
    }
    HINSTANCE module = win::loadResourceModuleFromText(
        "8134 BITMAP \"pic.BMP\"\n261 ICON \"pic.ico\"\n", "", folder);
    AfxSetResourceHandle(module);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(8134)) << "found ignoring the letter case of the file name";
    BITMAP info;
    bitmap.GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 3);
    HICON icon = LoadIcon(module, MAKEINTRESOURCE(261));
    int w = 0, h = 0;
    ASSERT_TRUE(win::imageSize(icon, w, h));
    EXPECT_EQ(w, 3);
    EXPECT_EQ(h, 2);
    EXPECT_EQ(win::imagePixel(icon, 2, 0) & 0xFFFFFFu, 0x0000FFu);
    EXPECT_EQ(LoadBitmap(module, MAKEINTRESOURCE(9999)), nullptr);
    fs::remove_all(folder);
    AfxSetResourceHandle(nullptr);
}

}  // namespace
