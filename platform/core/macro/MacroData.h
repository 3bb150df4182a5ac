#pragma once
// The data the macro dialog edits: one or more macros of a drawing, gathered into one tab per
// module group. The tabs are copies; applyToMacros writes them back. Several macros of the
// same kind share their tabs, and properties on which they disagree read empty or as the
// mixed word there (neither is written back, so the macros keep their own values).
#include <cstdint>
#include <set>
#include <string>

#include "core/macro/MacroDialogState.h"
#include "core/macro/MacroPreview.h"
#include "core/macro/MacroTabData.h"
#include "host/AcArray.h"
#include "host/AcDbObjectId.h"

class AcDbDatabase;
class AcTransaction;
class Mdx_Module;

class MacroData {
public:
    // Adds the tabs of the macro object id (an Mdx_DbMacro), merging with those already
    // there. eInvalidInput when the object is not a macro with its Mdx_Macro. The data
    // remembers the transaction's database for later updates.
    Acad::ErrorStatus addMacro(AcDbObjectId macroId, AcTransaction& transaction);
    // Gathers the tabs again from the macros (after the drawing changed); the control ids
    // and the dialog state are kept for tabs and items that still exist.
    Acad::ErrorStatus reload(AcTransaction& transaction);
    // Writes the tabs into every macro of the data: cuts, arrays, blocks, designs, bolt data,
    // bolt counts and spacings, section properties and flex/fix states, but no variable
    // values (a standards evaluation writes those into the modules itself). eInvalidInput
    // when a macro or pattern cannot be opened for write or a value is not of its kind (what
    // was written before stays written; run it inside a transaction to undo).
    Acad::ErrorStatus applyToMacros(AcTransaction& transaction) const;
    // The same, and the values of the variables of the tab named tabName whose indexes are
    // listed.
    Acad::ErrorStatus applyToMacros(AcTransaction& transaction, const Mdx_String& tabName,
                                    const AcArray<int>& variables) const;

    const AcArray<AcDbObjectId>& macroIds() const { return macroIds_; }
    const Mdx_StringArray& macroNames() const { return macroNames_; }
    // Null before a macro was added.
    AcDbDatabase* database() const { return database_; }
    int tabCount() const { return tabs_.length(); }
    // The tab named name (ignoring case); false when there is none.
    bool findTab(const Mdx_String& name, int& index) const;
    // Null for an index outside the tabs.
    MacroTabData* getTab(int index);
    const MacroTabData* getTab(int index) const;
    MacroTabData& addTab(const Mdx_String& name, int kind);

    MacroDialogState& dialogState() { return state_; }
    const MacroDialogState& dialogState() const { return state_; }

    // Why the last update of the drawing was refused; empty after one that succeeded.
    const std::string& updateError() const { return updateError_; }
    void setUpdateError(std::string message) { updateError_ = std::move(message); }

    // Property files: named sets of the values a user set, in a folder of the macro's own
    // (MacroDataPropertyFiles.cpp). Only data of one kind of macro has one. Failures return
    // false and leave their reason in updateError.
    bool propListAllowed() const;
    Mdx_String propFolder() const;
    // The names of the files there (without folder and extension), sorted.
    bool getPropFiles(Mdx_StringArray& files) const;
    // Puts the file's values into the tabs (not yet into the drawing); count receives the
    // number of values that found no place. A refused file changes nothing.
    bool readFromFile(const Mdx_String& file, int& count);
    bool writeToFile(const Mdx_String& file);

    // Turns the drawing's view to the macros (0 from above, 1 from the side, 2 isometric,
    // 3 from the front) for the tab named tabName; false for another direction.
    bool changeView(int direction, const Mdx_String& tabName);

    // Evaluates the standards the macros' settings tie to them and takes the values they
    // give, in the drawing and in the tabs (MacroStandardsLoader.cpp). A failure changes
    // nothing and leaves its reason in updateError.
    bool loadFromStandards();

    // Set while the core library works on the data (an update of the drawing runs); a dialog
    // that owns the data must not go away meanwhile.
    bool isBusy() const { return busy_; }
    void setBusy(bool busy) { busy_ = busy; }

    // Whether the data only previews a macro being placed, and its temporary objects.
    MacroPreview& preview() { return preview_; }
    const MacroPreview& preview() const { return preview_; }

private:
    Acad::ErrorStatus addModule(const Mdx_Module& module, AcTransaction& transaction);
    Acad::ErrorStatus applyToModule(Mdx_Module& module, AcTransaction& transaction,
                                    const Mdx_String& tabName, const AcArray<int>& variables,
                                    std::set<std::uint64_t>& writtenProfiles) const;

    AcArray<AcDbObjectId> macroIds_;
    Mdx_StringArray macroNames_;
    AcDbDatabase* database_ = nullptr;
    Mdx_Array<MacroTabData> tabs_;
    MacroDialogState state_;
    std::string updateError_;
    bool busy_ = false;
    MacroPreview preview_;
};
