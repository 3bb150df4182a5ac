#include "bill/KvSSBillOutput.h"

#include "bill/BillSheetHolder.h"
#include "core/CTime.h"
#include "core/FileHelpers.h"
#include "core/Mdx_Bill.h"
#include "core/PathHelpers.h"
#include "resources/resource.h"
#include "spread/Mdx_Spread.h"
#include "spread/SheetSettingsFiles.h"

namespace {

constexpr COLORREF kDefaultColor = 0x8000000B;
constexpr COLORREF kSubtotalBack = 0xFFD0A4;  // light blue
constexpr COLORREF kGridLineColor = 0x323232;
constexpr int kGridLineType = 7;
constexpr int kGrowthRows = 100;
constexpr const char* kDateFormat = "%d %B, %Y (%H:%M)";

}  // namespace

Mdx_String billTitle(const Mdx_String& fileName) {
    Mdx_String title = getFileName(fileName);
    removeExtension(title);
    const int marker = title.findLast(Mdx_String('\xBF'), true);
    if (marker >= 0) title = title.mid(marker + 1);
    return title;
}

KvSSBillOutput::KvSSBillOutput() : m_holder(std::make_unique<BillSheetHolder>()) {}

KvSSBillOutput::KvSSBillOutput(const KvSSBillOutput& other)
    : Mdx_ListOutputCallback(other), m_holder(std::make_unique<BillSheetHolder>()) {
    *this = other;
}

KvSSBillOutput& KvSSBillOutput::operator=(const KvSSBillOutput& other) {
    if (this == &other) return *this;
    m_imageParameter1 = other.m_imageParameter1;
    m_imageParameter2 = other.m_imageParameter2;
    m_imageParameter3 = other.m_imageParameter3;
    m_imageFlag1 = other.m_imageFlag1;
    m_imageFlag2 = other.m_imageFlag2;
    m_bill = other.m_bill;
    m_transaction = other.m_transaction;
    m_columnKinds = other.m_columnKinds;
    m_fileName = other.m_fileName;
    m_varNames = other.m_varNames;
    m_varValues = other.m_varValues;
    return *this;
}

KvSSBillOutput::~KvSSBillOutput() = default;

void KvSSBillOutput::setVars(int imageParameter1, int imageParameter2, int imageParameter3,
                             bool imageFlag1, bool imageFlag2, Mdx_Bill* bill,
                             AcTransaction* transaction) {
    m_imageParameter1 = imageParameter1;
    m_imageParameter2 = imageParameter2;
    m_imageParameter3 = imageParameter3;
    m_imageFlag1 = imageFlag1;
    m_imageFlag2 = imageFlag2;
    m_bill = bill;
    m_transaction = transaction;
}

Mdx_Spread* KvSSBillOutput::getSSPointer() const {
    return m_holder ? m_holder->sheet() : nullptr;
}

Acad::ErrorStatus KvSSBillOutput::init(Mdx_String fileName, const Mdx_StringArray& columnNames,
                                       const AcArray<int>&, const AcArray<int>& columnKinds,
                                       const Mdx_String& settingsName,
                                       const Mdx_StringArray& varNames,
                                       const Mdx_StringArray& varValues) {
    if (!m_holder) return Acad::eUnavailable;
    m_holder->create();
    Mdx_Spread* sheet = getSSPointer();
    if (!sheet) return Acad::eUnavailable;
    m_fileName = fileName;
    sheet->loadLayoutSettings(settingsName);
    sheet->SetGridType(kGridLineType);
    sheet->SetGridColor(kGridLineColor);
    m_varNames = varNames;
    m_varValues = varValues;
    sheet->setMaxCols(columnNames.length(), true);
    sheet->setColumnHeaders(columnNames);
    m_columnKinds = columnKinds;
    return Acad::eOk;
}

Acad::ErrorStatus KvSSBillOutput::onStartFeed() {
    if (imageMode()) initBMPDialog(m_imageParameter2 + 20);
    return Acad::eOk;
}

void KvSSBillOutput::onAddRow(const Mdx_StringArray& texts) {
    if (!imageMode()) {
        addRow(texts, Mdx_String());
        return;
    }
    Mdx_String picture;
    if (!createImage(texts, picture, m_imageParameter1, m_imageParameter2, m_imageParameter3,
                     m_imageFlag1, m_imageFlag2, m_bill, m_transaction))
        picture.setEmpty();
    addRow(texts, picture);
    if (!picture.isEmpty()) deleteFile(picture);
}

void KvSSBillOutput::addRow(const Mdx_StringArray& texts, const Mdx_String& picture) {
    Mdx_Spread* sheet = getSSPointer();
    if (!sheet) return;
    if (sheet->getMaxCols() < texts.length()) sheet->setMaxCols(texts.length(), true);
    advanceRow(*sheet);
    setRowProperties(m_currentRow);
    sheet->setRowTexts(m_currentRow, texts, true);
    if (!picture.isEmpty() && fileExists(picture)) addPictureRow(*sheet, picture);
}

// The sheet grows by a margin of rows at a time; the margin is trimmed at the end. New rows
// are not copies of the last one: every row written gets its types, borders and colours from
// setRowProperties anyway, and the grid's copy of a row walks the whole sheet, which made a
// long bill quadratic.
void KvSSBillOutput::advanceRow(Mdx_Spread& sheet) {
    ++m_currentRow;
    if (sheet.getMaxRows() >= m_currentRow) return;
    sheet.setMaxRows(m_currentRow + kGrowthRows, false);
    sheet.clearRows(m_currentRow, m_currentRow + kGrowthRows);
}

// The sheet keeps a picture cell by its file name, so the picture the renderer made in a
// temporary file is kept beside the bill, where the saved sheet can still find it.
void KvSSBillOutput::addPictureRow(Mdx_Spread& sheet, const Mdx_String& picture) {
    Mdx_String placed = keptPicturePath();
    if (placed.isEmpty() || !ensureFolder(getPath(placed)) || !copyFile(picture, placed))
        return;
    advanceRow(sheet);
    const int row = m_currentRow;
    sheet.setPictureFileCell(placed, 2, row);
    sheet.SetBorder(1, row, 18, 6, kDefaultColor);
    sheet.setResourceImageCell(1, row, IDB_BILL_MARKER, false);
}

Mdx_String KvSSBillOutput::keptPicturePath() const {
    if (m_fileName.isEmpty()) return Mdx_String();
    Mdx_String path = getPath(m_fileName) + billTitle(m_fileName) + "_pictures\\row";
    path.append(m_currentRow + 1);
    return path + ".bmp";
}

void KvSSBillOutput::setRowProperties(const int& row) {
    Mdx_Spread* sheet = getSSPointer();
    if (!sheet) return;
    const int cols = sheet->getMaxCols();
    for (int col = 1; col <= cols && col <= m_columnKinds.length(); ++col) {
        switch (m_columnKinds[col - 1]) {
        case 1: sheet->setNumberCell(col, row, 0, true); break;
        case 2: sheet->setNumberCell(col, row, 1, true); break;
        case 3: sheet->setEditCell(col, row); break;
        default: break;
        }
        sheet->SetBorder(col, row, 0, 0, kDefaultColor);
        sheet->RemoveCellSpan(col, row);
        sheet->SetColorRange(col, row, col, row, kDefaultColor, kDefaultColor);
    }
    sheet->fitRowToText(row);
}

void KvSSBillOutput::onAddSubTotals(const Mdx_StringArray& texts, const Mdx_StringArray&, bool,
                                    int) {
    addRow(texts, Mdx_String());
    Mdx_Spread* sheet = getSSPointer();
    if (!sheet) return;
    const int cols = sheet->getMaxCols();
    for (int col = 1; col <= cols && col <= texts.length(); ++col) {
        if (texts[col - 1].isEmpty()) continue;
        sheet->SetBorder(col, m_currentRow, 31, 1, kDefaultColor);
        sheet->SetColorRange(col, m_currentRow, col, m_currentRow, kSubtotalBack, kDefaultColor);
    }
}

Acad::ErrorStatus KvSSBillOutput::onEndFeed() {
    if (imageMode()) closeBMPDialog();
    Mdx_Spread* sheet = getSSPointer();
    if (!sheet) return Acad::eInvalidInput;
    if (sheet->getMaxRows() > m_currentRow) sheet->setMaxRows(m_currentRow, false);
    sheet->fitColumnsToText(true);
    // The bill's own variables come first; the caller's lists stay as they were, so a second
    // end of the feed stores the same variables again.
    CTime now;
    getCurrentTime(now);
    Mdx_StringArray names = {"Date", "Title", "BillFilename"};
    Mdx_StringArray values = {now.Format(kDateFormat), billTitle(m_fileName), m_fileName};
    names.appendAll(m_varNames);
    values.appendAll(m_varValues);
    setSheetVariables(*sheet, names, values);
    if (!saveSheetWithSettings(*sheet, m_fileName)) return Acad::eFileWriteFailed;
    return Acad::eOk;
}
