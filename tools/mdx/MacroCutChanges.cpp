#include "MacroCutChanges.h"

namespace {

Mdx_String mdx(const std::string& text) {
    return Mdx_String::fromUtf8(text);
}

bool flagValue(const std::string& value, bool& flag) {
    if (value != "0" && value != "1") return false;
    flag = value == "1";
    return true;
}

// The cut's option that the dialog shows as its option buttons: for profile against plate
// 1 or 2, for three segments 1 to 3 (3 without three segments).
bool setCutOption(DlgMacroCutsData& record, const std::string& value) {
    const bool plate = record.cutType == Mdx_ConstraintCutType::ProfileVsPlate;
    const int last = plate ? 2 : 3;
    if (value.size() != 1 || value[0] < '1' || value[0] > '0' + last) return false;
    const int option = value[0] - '0';
    if (plate) {
        record.secondOption = option == 2;
    } else {
        record.threeSegments = option != 3;
        record.threeSegmentsSecond = option != 1;  // as the dialog keeps it, also for 3
    }
    return true;
}

}  // namespace

std::string setCutField(DlgMacroCutsData& record, const std::string& field, const std::string& value) {
    using T = Mdx_ConstraintCutType;
    const bool plate = record.cutType == T::ProfileVsPlate;
    const bool segments = record.cutType == T::ProfileVsProfile3Segments;
    const bool inProfile = record.cutType == T::ProfileInProfile;
    const int valueIndex = record.valueNames.find(mdx(field), false);
    if (valueIndex >= 0) {
        record.values[valueIndex] = mdx(value);
        return {};
    }
    if (field == "option") {
        if (!plate && !segments) return "only profile-against-plate and three-segment cuts have options";
        return setCutOption(record, value) ? "" : (plate ? "option is 1 or 2" : "option is 1, 2 or 3");
    }
    if (field == "choice") {
        if (!plate) return "only profile-against-plate cuts have a choice";
        if (value.size() != 1 || value[0] < '0' || value[0] > '3') return "choice is 0 to 3";
        record.choice = value[0] - '0';
        return {};
    }
    if (field == "check1323") {
        if (!plate && !inProfile) return "only profile-against-plate and profile-in-profile cuts have check1323";
        if (!flagValue(value, record.check1323)) return "check1323 is 0 or 1";
        if (record.check1323 && record.check1325) return "check1323 and check1325 exclude each other";
        return {};
    }
    if (field == "check1325") return "check1325 is fixed once the cut exists";
    if (field == "check1326") {
        if (!plate) return "only profile-against-plate cuts have check1326";
        if (!flagValue(value, record.check1326)) return "check1326 is 0 or 1";
        if (record.check1326 && (!record.check1325 || record.check1323))
            return "check1326 needs check1325 and not check1323";
        return {};
    }
    if (field == "prefix") {
        if (!segments || !record.threeSegments)
            return "only three-segment cuts with option 1 or 2 have a variable prefix";
        record.variablePrefix = mdx(value);
        return {};
    }
    std::string names;
    for (const Mdx_String& name : record.valueNames) names += ", " + name.toUtf8();
    return "fields are option, choice, check1323, check1326, prefix and the cut's values" + names;
}

