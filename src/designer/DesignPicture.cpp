#include "designer/DesignPicture.h"


namespace designer {

std::string bitmapFileBytes(int width, int height, const std::uint32_t* pixels) {
    const int rowBytes = (width * 3 + 3) & ~3;
    const std::uint32_t imageSize = static_cast<std::uint32_t>(rowBytes) * static_cast<std::uint32_t>(height);
    std::string b(54, '\0');
    auto put32 = [&b](std::size_t at, std::uint32_t v) {
        for (std::size_t i = 0; i < 4; ++i) b[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    b[0] = 'B';
    b[1] = 'M';
    put32(2, 54 + imageSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    b[26] = 1;
    b[28] = 24;
    put32(34, imageSize);
    b.reserve(b.size() + imageSize);
    for (int y = height - 1; y >= 0; --y) {  // a bitmap file stores rows bottom up
        std::string row(static_cast<std::size_t>(rowBytes), '\0');
        for (int x = 0; x < width; ++x) {
            const std::uint32_t c = pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)];
            const auto at = static_cast<std::size_t>(x) * 3;
            row[at] = static_cast<char>(c & 0xFF);
            row[at + 1] = static_cast<char>((c >> 8) & 0xFF);
            row[at + 2] = static_cast<char>((c >> 16) & 0xFF);
        }
        b += row;
    }
    return b;
}

}  // namespace designer
