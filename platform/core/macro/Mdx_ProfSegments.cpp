#include "core/macro/Mdx_ProfSegments.h"

#include <cmath>

#include "core/NumberText.h"
#include "core/macro/MacroFields.h"

using namespace macrofields;

void Mdx_ProfSegments::writeFields(host::FieldWriter& out) const {
    if (!segmented) return;
    out.writeInt("segments", list.length());
    for (const Mdx_ProfSegment& segment : list) {
        writeText(out, "segment.length", segment.length);
        writeText(out, "segment.section", segment.section);
    }
}

bool Mdx_ProfSegments::readFields(host::FieldReader& in) {
    segmented = false;
    list.setEmpty();
    if (!in.nextIs("segments")) return true;
    int count = 0;
    if (!readCount(in, "segments", count)) return false;
    if (count > kMaxSegments) {
        in.fail("field \"segments\" is out of range: " + std::to_string(count));
        return false;
    }
    for (int i = 0; i < count; ++i) {
        Mdx_ProfSegment segment;
        if (!readText(in, "segment.length", segment.length) ||
            !readText(in, "segment.section", segment.section))
            return false;
        list.append(std::move(segment));
    }
    segmented = true;
    return true;
}

bool checkSegments(const Mdx_Array<Mdx_ProfSegment>& list, std::string& message) {
    if (list.length() > Mdx_ProfSegments::kMaxSegments) {
        message = "at most " + std::to_string(Mdx_ProfSegments::kMaxSegments) + " segments";
        return false;
    }
    for (int i = 0; i < list.length(); ++i) {
        const Mdx_String& length = list[i].length;
        const bool number = isNumberText(length.view());
        const double value = number ? leadingDouble(length.view()) : 0;
        if (!number || !std::isfinite(value) || value <= 0) {
            message = "segment " + std::to_string(i + 1) + " needs a length above 0, not \"" +
                      length.toUtf8() + "\"";
            return false;
        }
        if (list[i].section.isEmpty()) {
            message = "segment " + std::to_string(i + 1) + " needs a section";
            return false;
        }
    }
    return true;
}
