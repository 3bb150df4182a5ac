#pragma once
// The segments of a section tab's profiles as a table the user edits (the grid dialog with
// its add and remove buttons): one row per segment, its length in mm and its section. Rows
// left empty are dropped; OK refuses a list the profiles could not take, saying which
// segment is wrong, and the dialog stays open.
#include "core/macro/Mdx_ProfSegments.h"
#include "otherdlg/StringArrayGridDialog.h"

class DlgProfSegments : public StringArrayGridDialog {
public:
    static constexpr const char* kSizeKey = "DLG_MACRO_SEGMENTS";
    static constexpr int kTitleText = 9460;

    explicit DlgProfSegments(CWnd* parent = nullptr);

    static Mdx_Array<Mdx_StringArray> rowsOf(const Mdx_Array<Mdx_ProfSegment>& segments);
    // The rows' segments (texts trimmed), rows with both cells empty left out.
    static Mdx_Array<Mdx_ProfSegment> segmentsOf(const Mdx_Array<Mdx_StringArray>& rows);

protected:
    bool acceptRows(const Mdx_Array<Mdx_StringArray>& edited) override;
};

// Runs the dialog on the segments with the module's own resources; true, and the list
// replaced, on OK.
bool editSegments(Mdx_Array<Mdx_ProfSegment>& segments, CWnd* parent);
