// MacroTabData::differences: what a page changed, for the update of the drawing.
#include "core/macro/MacroTabData.h"

namespace {

bool sameProps(const MacroProfData& a, const MacroProfData& b) {
    return a.memberName == b.memberName && a.sectionName == b.sectionName &&
           a.material == b.material && a.offsetType == b.offsetType && a.rotation == b.rotation &&
           a.basePlane == b.basePlane && a.hasCoordSys == b.hasCoordSys;
}

bool samePattern(const MacroPatternData& a, const MacroPatternData& b) {
    return a.nrBolts1 == b.nrBolts1 && a.nrBolts2 == b.nrBolts2 && a.value == b.value;
}

bool sameFlexFix(const Mdx_Array<MacroFlexFixData>& a, const Mdx_Array<MacroFlexFixData>& b) {
    if (a.length() != b.length()) return false;
    for (int i = 0; i < a.length(); ++i)
        if (a[i].flexible != b[i].flexible) return false;
    return true;
}

struct Collector {
    Mdx_StringArray& names;
    AcArray<int>& changed;
    AcArray<int>& changedItems;

    void whole(const Mdx_String& name, int code) {
        names.append(name);
        changed.append(code);
    }
    void item(const Mdx_String& name, int kind, int index) {
        names.append(name);
        changedItems.append(kind * MacroTabData::kItemStride + index);
    }
};

// Items are compared by position: a tab's lists keep their order for its whole life.
template <class T, class Same, class Name>
void compareList(const Mdx_Array<T>& now, const Mdx_Array<T>& before, Same same, Name nameOf,
                 int kind, Collector& out) {
    for (int i = 0; i < now.length(); ++i)
        if (!before.isValidIndex(i) || !same(now[i], before[i])) out.item(nameOf(now[i]), kind, i);
}

}  // namespace

void MacroTabData::differences(const MacroTabData& before, Mdx_StringArray& names,
                               AcArray<int>& changed, AcArray<int>& changedItems) const {
    names.setEmpty();
    changed.removeAll();
    changedItems.removeAll();
    Collector out{names, changed, changedItems};
    for (int i = 0; i < variables_.length(); ++i) {
        const MacroVarData& now = variables_[i];
        if (!before.variables_.isValidIndex(i) || now.value != before.variables_[i].value) {
            names.append(now.name);
            changed.append(i);
        }
    }
    const MacroBoltData* bolts = getBoltData();
    const MacroBoltData* boltsBefore = before.getBoltData();
    if (bolts && (!boltsBefore || static_cast<const Mdx_BoltSettings&>(*bolts) !=
                                      static_cast<const Mdx_BoltSettings&>(*boltsBefore)))
        out.whole(name, kBoltDataChanged);
    if (block_.block != before.block_.block) out.whole(block_.block.name, kBlockChanged);
    if (!sameFlexFix(flexFix_, before.flexFix_)) out.whole(name, kFlexFixChanged);
    if (designPath != before.designPath) out.whole(designPath, kDesignChanged);
    if (!(segments_ == before.segments_)) out.whole(Mdx_String("segments"), kSegmentsChanged);

    compareList(patterns_, before.patterns_, samePattern,
                [](const MacroPatternData& p) { return p.name; }, kPatternItem, out);
    compareList(cuts_, before.cuts_,
                [](const MacroCutData& a, const MacroCutData& b) { return a.typeIndex == b.typeIndex; },
                [](const MacroCutData& c) { return c.name; }, kCutItem, out);
    compareList(arrays_, before.arrays_,
                [](const MacroArrayData& a, const MacroArrayData& b) { return a.array == b.array; },
                [](const MacroArrayData& a) { return a.array.name; }, kArrayItem, out);
    compareList(profGroups_, before.profGroups_, sameProps,
                [](const MacroProfData& g) { return g.groupName; }, kGroupItem, out);
    compareList(
        members_, before.members_,
        [](const MacroProfMember& a, const MacroProfMember& b) { return sameProps(a.props, b.props); },
        [](const MacroProfMember& m) { return m.props.groupName; }, kMemberItem, out);
}
