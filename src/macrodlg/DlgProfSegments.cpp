#include "macrodlg/DlgProfSegments.h"

#include <string>

#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "win/MessageBox.h"

namespace {

constexpr int kLengthHeader = 9461;
constexpr int kSectionHeader = 9462;
constexpr int kRefused = 9463;

Mdx_String trimmedCell(const Mdx_StringArray& row, int column) {
    Mdx_String text = row.isValidIndex(column) ? row[column] : Mdx_String();
    text.trim();
    return text;
}

}  // namespace

DlgProfSegments::DlgProfSegments(CWnd* parent) : StringArrayGridDialog(parent) {
    name = kSizeKey;
    title = dialString(kTitleText);
    columnHeaders = {dialString(kLengthHeader), dialString(kSectionHeader)};
}

Mdx_Array<Mdx_StringArray> DlgProfSegments::rowsOf(const Mdx_Array<Mdx_ProfSegment>& segments) {
    Mdx_Array<Mdx_StringArray> result;
    for (const Mdx_ProfSegment& segment : segments)
        result.append(Mdx_StringArray{segment.length, segment.section});
    return result;
}

Mdx_Array<Mdx_ProfSegment> DlgProfSegments::segmentsOf(const Mdx_Array<Mdx_StringArray>& rows) {
    Mdx_Array<Mdx_ProfSegment> result;
    for (const Mdx_StringArray& row : rows) {
        Mdx_ProfSegment segment{trimmedCell(row, 0), trimmedCell(row, 1)};
        if (!segment.length.isEmpty() || !segment.section.isEmpty()) result.append(segment);
    }
    return result;
}

bool DlgProfSegments::acceptRows(const Mdx_Array<Mdx_StringArray>& edited) {
    std::string why;
    if (checkSegments(segmentsOf(edited), why)) return true;
    const Mdx_String message = dialString(kRefused) + " " + Mdx_String::fromUtf8(why) + ".";
    ::MessageBox(m_hWnd, message.c_str(), title.c_str(), MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool editSegments(Mdx_Array<Mdx_ProfSegment>& segments, CWnd* parent) {
    KvTempResourceOverride resources;
    DlgProfSegments dialog(parent);
    dialog.rows = DlgProfSegments::rowsOf(segments);
    if (dialog.DoModal() != IDOK) return false;
    segments = DlgProfSegments::segmentsOf(dialog.rows);
    return true;
}
