#pragma once
// The section tables page of the library editor (template 8716): one table of the library at
// a time in a grid, with its picture; tables are created, deleted, renamed, resized and
// saved here. A changed table is never left without asking.
#include "host/CAcUiDialog.h"
#include "sectionlib/DlgEditLibData.h"
#include "sectionlib/Mdx_ProfValuesTable.h"
#include "spread/Mdx_Spread.h"
#include "core/CButtonST.h"

class SectionTablesPage : public CAcUiDialog {
public:
    static constexpr UINT kTemplateId = 8716;
    static constexpr int kTables = 1248;
    static constexpr int kGrid = 1196;
    static constexpr int kPicture = 1202;
    static constexpr int kPictureGroup = 1203;
    static constexpr int kNewTable = 1189;
    static constexpr int kDeleteTable = 1190;
    static constexpr int kSheetSize = 1200;
    static constexpr int kRenameTable = 1201;
    static constexpr int kCopy = 1199;
    static constexpr int kPaste = 1198;
    static constexpr int kInsertRow = 1204;
    static constexpr int kDeleteRow = 1205;
    static constexpr int kRowUp = 1206;
    static constexpr int kRowDown = 1207;
    static constexpr int kFind = 1208;

    SectionTablesPage(DlgEditLibData& data, const Mdx_String& sysName);

    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // Asks what to do with a changed table: true when it may be left (saved or discarded),
    // false on Cancel or when saving failed.
    bool leaveTable();
    Mdx_Spread& sheet() { return sheet_; }

private:
    void labelControls();
    void fillTables();
    void loadTable(int index);
    Mdx_String currentName() const;
    Mdx_String currentPicture() const;
    void showPicture(const Mdx_String& picture);
    bool takeTable(Mdx_ProfValuesTable& table);
    bool saveTable();
    bool isChanged() const;
    void tableSelected();
    void newTable();
    void deleteTable();
    void renameTable();
    void pictureChanged();
    void sheetSize();
    void applyHeaders(bool ask);
    void setRowHeaders();
    void selectSysName(const Mdx_String& sysName);
    bool runGridButton(int id);
    void report(const Mdx_String& name, int text);

    DlgEditLibData& data;
    Mdx_String sysName_;
    Mdx_Spread sheet_;
    Mdx_StringArray pictures_;
    CButtonST buttons_[7];
    int current_ = -1;
    bool changed_ = false;
};
