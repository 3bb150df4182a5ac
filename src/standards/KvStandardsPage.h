#pragma once
// The standards page of the macro settings dialog (template 8720): the list of the macro's
// standards spreadsheets with what each maps to, and for the chosen one the ties of its
// input and output variables to the macro's objects. Ties are stored in the spreadsheet's
// mapping file under a fresh key whenever they change, so a line another macro shares is
// never altered.
//
// Each entry keeps its own key: moving, adding or removing entries moves the keys with them,
// and a key made for a changed tie stays the entry's key. An entry loses its key only when
// the user gives it another spreadsheet or maps it to a module group.
#include <vector>

#include "core/CButtonST.h"
#include "host/AcArray.h"
#include "spread/Mdx_Spread.h"
#include "standards/KvSSMapping.h"
#include "standards/KvStandardsSpread.h"
#include "standards/MacroSettingsPage.h"

class KvStandardsPage : public MacroSettingsPage {
public:
    static constexpr UINT kTemplateId = 8720;
    static constexpr int kListGrid = 1441;
    static constexpr int kMappingGrid = 1196;
    static constexpr int kAdd = 1088;
    static constexpr int kRemove = 1089;
    static constexpr int kUp = 1443;
    static constexpr int kDown = 1442;
    static constexpr const char* kEntireMacro = "<Entire macro>";
    static constexpr int kMaxKeyAttempts = 9999;

    explicit KvStandardsPage(MacroSettings& edited);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // Stores the list and the current entry's ties; true (the dialog may close).
    bool storeSettings() override;

    bool changed() const { return changed_; }
    int currentEntry() const { return current_; }

    // One row of the mapping grid that ties a variable: where its combo is, which variable
    // of the spreadsheet it ties and which objects of the macro its combo offers.
    struct MappingRow {
        int col = 0;
        int row = 0;
        int varIndex = -1;
        AcArray<int> offered;
        int shownChoice = -1;  // what the combo showed when the entry was shown
    };
    const std::vector<MappingRow>& mappingRows() const { return rows_; }
    // The text the combos show for an object of the macro: "Plate.L1", "Bolts.BoltsDiameter",
    // "gen_gap.GenVar".
    Mdx_String objectLabel(int position) const;

    Mdx_Spread listGrid;
    KvStandardsSpread mappingGrid;

private:
    TabMappingData& data() { return settings.standards; }
    const TabMappingData& data() const { return settings.standards; }

    void fillListGrid();
    Acad::ErrorStatus showMapping(int entry);
    void clearMappingGrid();
    void addVariableBlock(const char* title, bool inputs);
    void addVariableRow(int varIndex);
    void buildEditedMapping();
    Acad::ErrorStatus storeMapping(int entry);
    bool storedLineHolds(const Mdx_String& name, const Mdx_String& key) const;
    Acad::ErrorStatus newKey(const Mdx_String& name, Mdx_String& key) const;
    void storeListGrid();
    void changeEntries(int buttonId);
    void selectEntry(int entry);
    void onListRowChange();
    int activeEntry();
    int chosenIndex(const MappingRow& row) const;

    CButtonST up_;
    CButtonST down_;
    Mdx_StringArray spreadsheetChoices_;
    Mdx_StringArray mapsToChoices_;
    Mdx_StringArray openedNames_;
    Mdx_StringArray openedKeys_;
    int current_ = 0;
    // The entry whose spreadsheet the mapping grid shows, and that spreadsheet: ties are
    // stored only to the spreadsheet they were made for.
    int loadedEntry_ = -1;
    Mdx_String loadedName_;
    bool changed_ = false;
    bool initialised_ = false;
    KvSSMapping edited_;
    KvVarCells variables_;
    std::vector<MappingRow> rows_;
    Mdx_StringArray rowHeaders_;
};
