#pragma once
// The data the macro dialog edits: one or more macros of a drawing, gathered into one tab per
// module group. The tabs are copies; applyToMacros writes them back. Several macros of the
// same kind share their tabs, and properties on which they disagree read empty there (an
// empty text is not written back, so the macros keep their own values).
#include "core/macro/MacroTabData.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"

class AcTransaction;
class Mdx_Module;

class MacroData {
public:
    // Adds the tabs of the macro object id (an Mdx_DbMacro), merging with those already
    // there. eInvalidInput when the object is not a macro with its Mdx_Macro.
    Acad::ErrorStatus addMacro(AcDbObjectId macroId, AcTransaction& transaction);
    // Writes bolt data, bolt counts, member names and flex/fix states of the tabs into every
    // macro of the data. eInvalidInput when a macro or pattern cannot be opened for write
    // (what was written before stays written).
    Acad::ErrorStatus applyToMacros(AcTransaction& transaction) const;

    const AcArray<AcDbObjectId>& macroIds() const { return macroIds_; }
    int tabCount() const { return tabs_.length(); }
    // The tab named name (ignoring case); false when there is none.
    bool findTab(const Mdx_String& name, int& index) const;
    // Null for an index outside the tabs.
    MacroTabData* getTab(int index);
    const MacroTabData* getTab(int index) const;
    MacroTabData& addTab(const Mdx_String& name, int kind);

    // Set while the core library works on the data (an update of the drawing runs); a dialog
    // that owns the data must not go away meanwhile.
    bool isBusy() const { return busy_; }
    void setBusy(bool busy) { busy_ = busy; }

private:
    Acad::ErrorStatus addModule(const Mdx_Module& module, AcTransaction& transaction);
    Acad::ErrorStatus applyToModule(Mdx_Module& module, AcTransaction& transaction) const;

    AcArray<AcDbObjectId> macroIds_;
    Mdx_Array<MacroTabData> tabs_;
    bool busy_ = false;
};
