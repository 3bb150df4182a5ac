#pragma once
// A named coordinate system of a module, placed at a point the user picked in the drawing;
// the module's objects can be placed relative to it. Also the point type of such picks.
#include <array>

#include "core/Mdx_String.h"

namespace host {
class FieldReader;
class FieldWriter;
}  // namespace host

using Mdx_Point3 = std::array<double, 3>;

// Points further out than this are no drawing's (and stay exact as text).
inline constexpr double mdxMaxCoordinate = 1e9;

struct Mdx_CoordSystem {
    Mdx_String name;
    Mdx_Point3 origin{};
    friend bool operator==(const Mdx_CoordSystem&, const Mdx_CoordSystem&) = default;
};

// Three reals under the names prefix.x, prefix.y, prefix.z.
void writePoint(host::FieldWriter& out, const char* prefix, const Mdx_Point3& point);
// Refuses coordinates that are not numbers or beyond mdxMaxCoordinate.
bool readPoint(host::FieldReader& in, const char* prefix, Mdx_Point3& point);

// "x,y" or "x,y,z" (blanks allowed); false for anything else or a point too far out.
bool parsePoint(const Mdx_String& text, Mdx_Point3& point);
