#include "core/macro/Mdx_CoordSystem.h"

#include <cmath>
#include <string>

#include "core/StringHelpers.h"
#include "host/FieldReader.h"
#include "host/FieldWriter.h"

namespace {

bool usable(double value) {
    return std::isfinite(value) && std::fabs(value) <= mdxMaxCoordinate;
}

}  // namespace

void writePoint(host::FieldWriter& out, const char* prefix, const Mdx_Point3& point) {
    const std::string base(prefix);
    out.writeReal(base + ".x", point[0]);
    out.writeReal(base + ".y", point[1]);
    out.writeReal(base + ".z", point[2]);
}

bool readPoint(host::FieldReader& in, const char* prefix, Mdx_Point3& point) {
    const std::string base(prefix);
    Mdx_Point3 read{};
    if (!in.readReal(base + ".x", read[0]) || !in.readReal(base + ".y", read[1]) ||
        !in.readReal(base + ".z", read[2]))
        return false;
    for (double value : read)
        if (!usable(value)) {
            in.fail("point \"" + base + "\" is out of range");
            return false;
        }
    point = read;
    return true;
}

bool parsePoint(const Mdx_String& text, Mdx_Point3& point) {
    const Mdx_StringArray parts = strToArr(text, ",");
    if (parts.length() < 2 || parts.length() > 3) return false;
    Mdx_Point3 read{};
    for (int i = 0; i < parts.length(); ++i) {
        Mdx_String part = parts[i];
        part.trim();
        if (!part.isNumber()) return false;
        read[static_cast<std::size_t>(i)] = part.toDouble();
        if (!usable(read[static_cast<std::size_t>(i)])) return false;
    }
    point = read;
    return true;
}
