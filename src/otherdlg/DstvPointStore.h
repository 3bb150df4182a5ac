#pragma once
// The marking points that go into the NC files of every exported profile, kept between
// sessions in a text file of the profile folder:
//
//   MDX-DSTV-POINTS 1
//   <name>\t<face>\t<x>\t<y>        one line per point
//
// A face is one of the letters the NC files use: v (web, front), o (top flange), u (bottom
// flange), h (web, back). X runs along the profile from its start, Y across the face from its
// reference edge, both in mm. A file that is not of this form is refused as a whole and never
// overwritten, so nothing the user kept is lost to a damaged or newer file.
#include <filesystem>
#include <string>
#include <vector>

#include "core/Mdx_String.h"

struct DstvPoint {
    Mdx_String name;
    char face = 'v';
    Mdx_String x;
    Mdx_String y;
    friend bool operator==(const DstvPoint&, const DstvPoint&) = default;
};

class DstvPointStore {
public:
    static constexpr int kMaxPoints = 1000;
    static constexpr int kMaxNameLength = 40;
    static constexpr double kMaxDistance = 100000.0;  // mm, longer than any profile
    static constexpr const char* kFaces = "vouh";

    explicit DstvPointStore(std::filesystem::path file);
    // The store in the profile folder in use (win/Profile.h).
    static DstvPointStore current();

    // An absent file holds no points. False, with why in error(), for a file that cannot be
    // read or is not of the form above; points is then empty.
    bool load(std::vector<DstvPoint>& points);
    // False, and the file left as it was, for points that break the rules (see check) or a
    // failed write; error() says why.
    bool save(const std::vector<DstvPoint>& points);

    // Whether the points can be stored: at most kMaxPoints, each with a name of its own
    // (letter case ignored) of at most kMaxNameLength characters without tabs or line breaks,
    // a known face, and X and Y numbers from 0 (X) or -kMaxDistance (Y) to kMaxDistance.
    // Index of the first bad point, or -1.
    static int check(const std::vector<DstvPoint>& points);
    static bool isFace(char face);

    const Mdx_String& error() const { return m_error; }
    const std::filesystem::path& file() const { return m_file; }

private:
    std::filesystem::path m_file;
    Mdx_String m_error;
};
