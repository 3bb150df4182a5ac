#include "core/macro/Mdx_CutOptions.h"

#include <string>

#include "core/macro/MacroFields.h"
#include "host/FieldReader.h"
#include "host/FieldWriter.h"

using namespace macrofields;

namespace {

// The flags of the options as bits of one number in the file.
enum Flag : int {
    kSecondOption = 1,
    kCheck1325 = 2,
    kCheck1326 = 4,
    kThreeSegments = 8,
    kThreeSegmentsSecond = 16,
    kCheck1323 = 32,
    kAllFlags = 63,
};

int flagsOf(const Mdx_CutOptions& o) {
    return (o.secondOption ? kSecondOption : 0) | (o.check1325 ? kCheck1325 : 0) |
           (o.check1326 ? kCheck1326 : 0) | (o.threeSegments ? kThreeSegments : 0) |
           (o.threeSegmentsSecond ? kThreeSegmentsSecond : 0) | (o.check1323 ? kCheck1323 : 0);
}

bool refuse(host::FieldReader& in, const std::string& what) {
    in.fail("cut options: " + what);
    return false;
}

bool readBoundedText(host::FieldReader& in, const char* name, Mdx_String& text) {
    if (!readText(in, name, text)) return false;
    if (text.length() <= Mdx_CutOptions::kMaxTextLength) return true;
    return refuse(in, std::string(name) + " is longer than " +
                          std::to_string(Mdx_CutOptions::kMaxTextLength) + " characters");
}

}  // namespace

void writeCutOptions(host::FieldWriter& out, const Mdx_CutOptions& options) {
    if (options.isDefault()) return;
    out.writeInt("cut.options", flagsOf(options));
    out.writeInt("cut.choice", options.choice);
    writeText(out, "cut.prefix", options.variablePrefix);
    out.writeInt("cut.source", options.otherPartSource);
    writeText(out, "cut.otherModule", options.otherModule);
    // Optional: cuts kept before the other macro was stored keep their bytes.
    if (!options.otherMacro.isNull()) out.writeId("cut.otherMacro", options.otherMacro);
}

bool readCutOptions(host::FieldReader& in, Mdx_CutOptions& options) {
    options = Mdx_CutOptions();
    if (!in.nextIs("cut.options")) return true;
    int flags = 0;
    Mdx_CutOptions read;
    if (!in.readInt("cut.options", flags) || !in.readInt("cut.choice", read.choice) ||
        !readBoundedText(in, "cut.prefix", read.variablePrefix) ||
        !in.readInt("cut.source", read.otherPartSource) ||
        !readBoundedText(in, "cut.otherModule", read.otherModule) ||
        (in.nextIs("cut.otherMacro") && !in.readId("cut.otherMacro", read.otherMacro)))
        return false;
    if (flags < 0 || flags > kAllFlags) return refuse(in, "unknown flags " + std::to_string(flags));
    if (read.choice < 0 || read.choice >= Mdx_CutOptions::kChoiceCount)
        return refuse(in, "choice out of range: " + std::to_string(read.choice));
    if (read.otherPartSource != 1 && read.otherPartSource != 2)
        return refuse(in, "source out of range: " + std::to_string(read.otherPartSource));
    if (read.otherPartSource == 1 && !read.otherMacro.isNull())
        return refuse(in, "another macro for a part of the cut's own macro");
    read.secondOption = flags & kSecondOption;
    read.check1325 = flags & kCheck1325;
    read.check1326 = flags & kCheck1326;
    read.threeSegments = flags & kThreeSegments;
    read.threeSegmentsSecond = flags & kThreeSegmentsSecond;
    read.check1323 = flags & kCheck1323;
    options = read;
    return true;
}
