#include "otherdlg/DstvPointStore.h"

#include <cstring>

#include "core/StringHelpers.h"
#include "win/FilePaths.h"
#include "win/Profile.h"

namespace {

const char* const kHeader = "MDX-DSTV-POINTS 1";
const char* const kFileName = "dstv-points.txt";
constexpr std::uintmax_t kMaxFileBytes = 1024 * 1024;

bool distanceOk(const Mdx_String& text, double lowest) {
    Mdx_String t = text;
    t.trim();
    if (t.isEmpty() || !t.isNumber()) return false;
    const double value = t.toDouble();
    return value >= lowest && value <= DstvPointStore::kMaxDistance;
}

bool nameOk(const Mdx_String& name) {
    return !name.isEmpty() && name.length() <= DstvPointStore::kMaxNameLength &&
           name.str().find_first_of("\t\r\n") == std::string::npos;
}

bool pointOk(const DstvPoint& point) {
    return nameOk(point.name) && DstvPointStore::isFace(point.face) && distanceOk(point.x, 0) &&
           distanceOk(point.y, -DstvPointStore::kMaxDistance);
}

}  // namespace

DstvPointStore::DstvPointStore(std::filesystem::path file) : m_file(std::move(file)) {}

DstvPointStore DstvPointStore::current() {
    return DstvPointStore(win::profileFolder() / kFileName);
}

bool DstvPointStore::isFace(char face) {
    return face != '\0' && std::strchr(kFaces, face) != nullptr;
}

int DstvPointStore::check(const std::vector<DstvPoint>& points) {
    if (points.size() > static_cast<std::size_t>(kMaxPoints)) return kMaxPoints;
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (!pointOk(points[i])) return static_cast<int>(i);
        for (std::size_t j = 0; j < i; ++j)
            if (points[j].name.equal(points[i].name, false)) return static_cast<int>(i);
    }
    return -1;
}

bool DstvPointStore::load(std::vector<DstvPoint>& points) {
    points.clear();
    m_error.setEmpty();
    std::error_code ec;
    if (!std::filesystem::exists(m_file, ec)) return true;
    std::string bytes;
    if (!win::readWholeFile(m_file, bytes, kMaxFileBytes)) {
        m_error = Mdx_String("cannot be read: ") + Mdx_String(win::lastFileError());
        return false;
    }
    Mdx_StringArray lines;
    splitLines(Mdx_String(std::move(bytes)), lines);
    if (lines.isEmpty()) return true;
    if (lines[0] != Mdx_String(kHeader)) {
        m_error = "is not a list of marking points of this version";
        return false;
    }
    std::vector<DstvPoint> read;
    for (int i = 1; i < lines.length(); ++i) {
        const Mdx_StringArray parts = strToArr(lines[i], "\t");
        if (parts.length() != 4 || parts[1].length() != 1) {
            m_error = Mdx_String("line ").append(i + 1).append(" is no point");
            return false;
        }
        read.push_back({parts[0], parts[1].str()[0], parts[2], parts[3]});
    }
    const int bad = check(read);
    if (bad >= 0) {
        m_error = Mdx_String("line ").append(bad + 2).append(" holds a point that cannot be right");
        return false;
    }
    points = std::move(read);
    return true;
}

bool DstvPointStore::save(const std::vector<DstvPoint>& points) {
    m_error.setEmpty();
    if (check(points) >= 0) {
        m_error = "a point breaks the rules";
        return false;
    }
    // A file this program cannot read is someone's data: refuse rather than replace it.
    std::vector<DstvPoint> stored;
    if (!load(stored)) return false;
    std::string out = std::string(kHeader) + "\r\n";
    for (const DstvPoint& p : points)
        out += p.name.str() + "\t" + p.face + "\t" + p.x.str() + "\t" + p.y.str() + "\r\n";
    std::error_code ec;
    std::filesystem::create_directories(m_file.parent_path(), ec);
    if (!win::writeWholeFileAtomic(m_file, out)) {
        m_error = Mdx_String("cannot be written: ") + Mdx_String(win::lastFileError());
        return false;
    }
    return true;
}
