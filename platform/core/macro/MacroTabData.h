#pragma once
// One tab of the macro dialog's data: the values of one module group as the dialog edits
// them. A tab is a copy; MacroData writes it back into the macro when the changes apply.
#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"
#include "host/AcadErrorStatus.h"

// Bolt data of a bolt tab, as texts the way the dialog shows them.
struct MacroBoltData {
    Mdx_String diameter;
    Mdx_String holeOffset;
};

// Bolt counts of one pattern of a bolt tab, as texts.
struct MacroPatternData {
    Mdx_String name;
    bool twoDirections = false;
    Mdx_String nrBolts1;
    Mdx_String nrBolts2;
};

// The properties of a profile group (the placements of one name across the macros of the
// data), merged: a property on which the members disagree reads empty.
struct MacroProfData {
    Mdx_String groupName;
    Mdx_String memberName;
    Mdx_String sectionName;
    Mdx_String material;
};

// The flex/fix state of one dialog variable of the tab.
struct MacroFlexFixData {
    Mdx_String name;
    bool hasButton = false;
    bool flexible = false;
};

class MacroTabData {
public:
    // Tab kinds: a designed page for general modules (0), bolt modules (1), profile modules
    // with a section panel (2); kind 3 is a designed page without module values.
    static constexpr int kGeneralTab = 0;
    static constexpr int kBoltTab = 1;
    static constexpr int kSectionTab = 2;

    Mdx_String name;  // the module group
    int kind = kGeneralTab;

    // Null unless the tab is a bolt tab.
    MacroBoltData* getBoltData() { return hasBoltData_ ? &boltData_ : nullptr; }
    const MacroBoltData* getBoltData() const { return hasBoltData_ ? &boltData_ : nullptr; }
    void setBoltData(const MacroBoltData& data);

    Mdx_Array<MacroPatternData>& patterns() { return patterns_; }
    const Mdx_Array<MacroPatternData>& patterns() const { return patterns_; }
    MacroPatternData* findPattern(const Mdx_String& name);
    const MacroPatternData* findPattern(const Mdx_String& name) const;

    Mdx_Array<MacroFlexFixData>& flexFix() { return flexFix_; }
    const Mdx_Array<MacroFlexFixData>& flexFix() const { return flexFix_; }
    // eInvalidInput when the tab has no variable of that name; otherwise whether it has a
    // flex/fix button and the button's state (true: flexible).
    Acad::ErrorStatus getFlexFixBtnStatus(const Mdx_String& variable, bool& hasButton,
                                          bool& buttonState) const;
    // Sets the variable's state as a click on its button would; true when it changed.
    bool flexFixBtnClicked(const Mdx_String& variable, bool flexible);

    Mdx_Array<MacroProfData>& profGroups() { return profGroups_; }
    const Mdx_Array<MacroProfData>& profGroups() const { return profGroups_; }
    bool getMergedPropsOfGroup(const Mdx_String& group, MacroProfData& props) const;
    // Stores the properties of an existing group (its name is kept); false for no group.
    bool setMergedPropsOfGroup(const Mdx_String& group, const MacroProfData& props);

private:
    MacroFlexFixData* findFlexFix(const Mdx_String& variable);
    const MacroFlexFixData* findFlexFix(const Mdx_String& variable) const;

    bool hasBoltData_ = false;
    MacroBoltData boltData_;
    Mdx_Array<MacroPatternData> patterns_;
    Mdx_Array<MacroFlexFixData> flexFix_;
    Mdx_Array<MacroProfData> profGroups_;
};

// Reads or writes the bolt count of the pattern named pattern: first direction when first,
// else the second one. eInvalidInput for a null tab, an unknown pattern, the second
// direction of a one-direction pattern, or on writing a text that is not a whole number of
// bolts from 0 up.
Acad::ErrorStatus getSetNrBolts(MacroTabData* tab, const Mdx_String& pattern, Mdx_String& value,
                                bool get, bool first);
