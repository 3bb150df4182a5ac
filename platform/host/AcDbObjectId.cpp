#include "host/AcDbObjectId.h"

namespace {

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

std::string AcDbObjectId::toText() const {
    static const char digits[] = "0123456789ABCDEF";
    if (handle_ == 0) return "0";
    std::string text;
    for (std::uint64_t rest = handle_; rest != 0; rest >>= 4)
        text.insert(text.begin(), digits[rest & 15]);
    return text;
}

bool AcDbObjectId::fromText(std::string_view text, AcDbObjectId& id) {
    if (text.empty() || text.size() > 16) return false;
    std::uint64_t handle = 0;
    for (char c : text) {
        int digit = hexDigitValue(c);
        if (digit < 0) return false;
        handle = (handle << 4) | static_cast<std::uint64_t>(digit);
    }
    id = AcDbObjectId(handle);
    return true;
}
