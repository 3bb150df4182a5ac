#pragma once
// One tab of the macro dialog's data: the values of one module group as the dialog edits
// them. A tab is a copy; MacroData writes it back into the macros when the changes apply.
#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"
#include "core/Mdx_StringArray.h"
#include "core/macro/MacroTabItems.h"
#include "core/macro/Mdx_ProfSegments.h"
#include "host/AcArray.h"
#include "host/AcadErrorStatus.h"

class MacroTabData {
public:
    // Tab kinds: a designed page for general modules (0), bolt modules (1), profile modules
    // with a section panel (2); kind 3 is a designed page without module values.
    static constexpr int kGeneralTab = 0;
    static constexpr int kBoltTab = 1;
    static constexpr int kSectionTab = 2;
    static constexpr int kPlainTab = 3;

    // differences: codes in the first index list for whole items (variables appear there by
    // their index), and the second list's items as kind * kItemStride + index.
    static constexpr int kBoltDataChanged = -1;
    static constexpr int kBlockChanged = -2;
    static constexpr int kFlexFixChanged = -3;
    static constexpr int kDesignChanged = -12;
    static constexpr int kSegmentsChanged = -14;
    static constexpr int kItemStride = 10000;
    enum ItemKind { kPatternItem = 1, kCutItem, kArrayItem, kGroupItem, kMemberItem };

    Mdx_String name;  // the module group
    int kind = kGeneralTab;
    Mdx_String designPath;  // the design of the tab's page; empty for none

    // Null unless the tab is a bolt tab.
    MacroBoltData* getBoltData() { return hasBoltData_ ? &boltData_ : nullptr; }
    const MacroBoltData* getBoltData() const { return hasBoltData_ ? &boltData_ : nullptr; }
    void setBoltData(const MacroBoltData& data);
    // Replaces the settings, keeping the control ids the page bound.
    void setBoltSettings(const Mdx_BoltSettings& settings);

    Mdx_Array<MacroPatternData>& patterns() { return patterns_; }
    const Mdx_Array<MacroPatternData>& patterns() const { return patterns_; }
    MacroPatternData* findPattern(const Mdx_String& name);
    const MacroPatternData* findPattern(const Mdx_String& name) const;
    MacroPatternData* findPatternWithName(const Mdx_String& name) { return findPattern(name); }

    Mdx_Array<MacroVarData>& variables() { return variables_; }
    const Mdx_Array<MacroVarData>& variables() const { return variables_; }
    // The variable named name (ignoring case); null when the tab has none.
    MacroVarData* findCellWithName(const Mdx_String& name);
    const MacroVarData* findCellWithName(const Mdx_String& name) const;

    Mdx_Array<MacroCutData>& cuts() { return cuts_; }
    const Mdx_Array<MacroCutData>& cuts() const { return cuts_; }
    MacroCutData* findCutWithName(const Mdx_String& name);

    Mdx_Array<MacroArrayData>& arrays() { return arrays_; }
    const Mdx_Array<MacroArrayData>& arrays() const { return arrays_; }
    MacroArrayData* findArrayWithName(const Mdx_String& name);

    MacroBlockData& block() { return block_; }
    const MacroBlockData& block() const { return block_; }

    Mdx_Array<MacroFlexFixData>& flexFix() { return flexFix_; }
    const Mdx_Array<MacroFlexFixData>& flexFix() const { return flexFix_; }
    // eInvalidInput when the tab has no variable of that name; otherwise whether it has a
    // flex/fix button and the button's state (true: flexible).
    Acad::ErrorStatus getFlexFixBtnStatus(const Mdx_String& variable, bool& hasButton,
                                          bool& buttonState) const;
    // Sets the variable's state as a click on its button would; true when it changed.
    bool flexFixBtnClicked(const Mdx_String& variable, bool flexible);
    // True when the tab knows the variable and it has a flex/fix button.
    bool hasBtnFlexFix(const Mdx_String& variable) const;

    Mdx_Array<MacroProfData>& profGroups() { return profGroups_; }
    const Mdx_Array<MacroProfData>& profGroups() const { return profGroups_; }
    bool getMergedPropsOfGroup(const Mdx_String& group, MacroProfData& props) const;
    // Stores the properties of an existing group (its name and control ids are kept) and
    // hands every property that is set (not empty, not mixed) on to each member of the
    // group; false for no group.
    bool setMergedPropsOfGroup(const Mdx_String& group, const MacroProfData& props);
    MacroProfData* findProfDataWithGroup(const Mdx_String& group);
    MacroProfData* findProfDataWithButtonId(int id);
    void getProfGroups(Mdx_StringArray& groups) const;
    void getProfIdsOfGroup(const Mdx_String& group, AcArray<AcDbObjectId>& ids) const;
    // The members of all groups: index by getProfDataIndx, -1 when the member is not in the
    // group.
    Mdx_Array<MacroProfMember>& profMembers() { return members_; }
    const Mdx_Array<MacroProfMember>& profMembers() const { return members_; }
    int getProfDataIndx(const Mdx_String& group, AcDbObjectId profileId) const;
    // Stores one member's properties and merges its group again.
    bool setMemberProps(int index, const MacroProfData& props);
    // Merges the group's properties from its members.
    void mergeGroup(const Mdx_String& group);
    // True when the design gives every group its own chooser button.
    bool advBtnForEveryGroup() const;
    // Whether the tab's profiles are made of segments, and the segments (lengths and
    // sections); the list is written back only into modules that are segmented.
    bool hasSegmentedProfs() const { return segments_.segmented; }
    Mdx_ProfSegments& segments() { return segments_; }
    const Mdx_ProfSegments& segments() const { return segments_; }

    // Forgets every control id: nothing of the tab is shown.
    void removeAllDlgReferences();

    // What differs from before to this tab: names of changed items, indexes of changed
    // variables (and the whole-item codes above), and the codes of changed other items.
    void differences(const MacroTabData& before, Mdx_StringArray& names, AcArray<int>& changed,
                     AcArray<int>& changedItems) const;

private:
    MacroFlexFixData* findFlexFix(const Mdx_String& variable);
    const MacroFlexFixData* findFlexFix(const Mdx_String& variable) const;

    bool hasBoltData_ = false;
    MacroBoltData boltData_;
    Mdx_Array<MacroPatternData> patterns_;
    Mdx_Array<MacroVarData> variables_;
    Mdx_Array<MacroCutData> cuts_;
    Mdx_Array<MacroArrayData> arrays_;
    MacroBlockData block_;
    Mdx_Array<MacroFlexFixData> flexFix_;
    Mdx_Array<MacroProfData> profGroups_;
    Mdx_Array<MacroProfMember> members_;
    Mdx_ProfSegments segments_;
};

// Reads or writes the bolt count of the pattern named pattern: first direction when first,
// else the second one. eInvalidInput for a null tab, an unknown pattern, the second
// direction of a one-direction pattern, or on writing a text that is not a whole number of
// bolts from 0 up.
Acad::ErrorStatus getSetNrBolts(MacroTabData* tab, const Mdx_String& pattern, Mdx_String& value,
                                bool get, bool first);
// The count a pattern control shows: false for a two-direction pattern, whose counts only its
// settings dialog edits.
bool getCount(const MacroPatternData& pattern, Mdx_String& count);
