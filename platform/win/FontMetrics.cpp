#include "win/FontMetrics.h"

#include <cmath>
#include <cstring>

#include "win/AsciiCase.h"

namespace win {
namespace {

// Advances of the printable ASCII characters 32..126, thousandths of an em.
constexpr short kAdvance[95] = {
    278,  278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278,
    278,  //  !"#$%&'()*+,-./
    556,  556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584,
    556,  // 0-9 :;<=>?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722,
    778,  // @A-O
    667,  778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469,
    556,  // P-Z [\]^_
    333,  556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556,
    556,                                                                         // `a-o
    556,  556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,  // p-z {|}~
};

bool isFixedPitch(const LOGFONT& font) {
    if ((font.lfPitchAndFamily & 0x3) == FIXED_PITCH) return true;
    for (const char* face :
         {"Courier", "Courier New", "Lucida Console", "Consolas", "Fixedsys", "Terminal"})
        if (equalsIgnoringAsciiCase(font.lfFaceName, face)) return true;
    return false;
}

int advanceOf(unsigned char c, bool fixedPitch) {
    if (c < 32 || c == 127) return 0;
    if (fixedPitch) return 600;
    if (c > 126) return 556;
    return kAdvance[c - 32];
}

double widthFactor(const LOGFONT& font) {
    return font.lfWeight >= 600 ? 1.1 : 1.0;
}

}  // namespace

double emHeight(const LOGFONT& font) {
    if (font.lfHeight < 0) return -static_cast<double>(font.lfHeight);
    if (font.lfHeight > 0) return font.lfHeight / 1.2;
    return 11.0;
}

int lineHeight(const LOGFONT& font) {
    if (font.lfHeight > 0) return font.lfHeight;
    return static_cast<int>(std::lround(emHeight(font) * 1.2 - 0.01));
}

int textWidth(const LOGFONT& font, std::string_view text) {
    const bool fixed = isFixedPitch(font);
    long thousandths = 0;
    for (char c : text) thousandths += advanceOf(static_cast<unsigned char>(c), fixed);
    return static_cast<int>(std::lround(thousandths * emHeight(font) / 1000.0 * widthFactor(font)));
}

SIZE textExtent(const LOGFONT& font, std::string_view text) {
    int widest = 0, lines = 1;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            std::string_view line = text.substr(start, i - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (int w = textWidth(font, line); w > widest) widest = w;
            if (i < text.size()) ++lines;
            start = i + 1;
        }
    }
    return SIZE{widest, lines * lineHeight(font)};
}

int averageCharWidth(const LOGFONT& font) {
    static const char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const bool fixed = isFixedPitch(font);
    long thousandths = 0;
    for (const char* p = letters; *p; ++p)
        thousandths += advanceOf(static_cast<unsigned char>(*p), fixed);
    const double total = thousandths * emHeight(font) / 1000.0 * widthFactor(font);
    return static_cast<int>((std::lround(total) / 26 + 1) / 2);
}

}  // namespace win
