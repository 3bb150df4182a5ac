#pragma once
// Writes a bill of materials, fed row by row by the core library's list output, into a sheet
// that lives in a hidden window, and saves it as a sheet file with the bill's variables.
// Call order: construct, optionally setVars (pictures), init, then the feed: onStartFeed,
// any mix of onAddRow and onAddSubTotals, onEndFeed.
#include <memory>

#include "core/Mdx_ListOutputCallback.h"
#include "host/AcArray.h"

class AcTransaction;
class BillSheetHolder;
class Mdx_Bill;
class Mdx_Spread;

class KvSSBillOutput : public Mdx_ListOutputCallback {
public:
    KvSSBillOutput();
    // A copy takes the settings and rows written so far are not copied: it gets a hidden
    // window of its own on its next init.
    KvSSBillOutput(const KvSSBillOutput& other);
    KvSSBillOutput& operator=(const KvSSBillOutput& other);
    ~KvSSBillOutput() override;

    // Pictures are made for every row when both bill and transaction are given.
    void setVars(int imageParameter1, int imageParameter2, int imageParameter3, bool imageFlag1,
                 bool imageFlag2, Mdx_Bill* bill, AcTransaction* transaction);
    // eUnavailable when no hidden sheet can be had. The settings named settingsName lay the
    // sheet out; the column names become the column headers.
    Acad::ErrorStatus init(Mdx_String fileName, const Mdx_StringArray& columnNames,
                           const AcArray<int>& columnWidths, const AcArray<int>& columnKinds,
                           const Mdx_String& settingsName, const Mdx_StringArray& varNames,
                           const Mdx_StringArray& varValues);

    Acad::ErrorStatus onStartFeed() override;
    // Trims the sheet to the rows written, fits the columns, stores the variables Date, Title
    // and BillFilename before the caller's and saves. eInvalidInput without a sheet,
    // eFileWriteFailed when the file could not be written (the previous file stays).
    Acad::ErrorStatus onEndFeed() override;
    void onAddRow(const Mdx_StringArray& texts) override;
    void onAddSubTotals(const Mdx_StringArray& texts, const Mdx_StringArray& keys,
                        bool grandTotal, int level) override;

    // The sheet the bill is written into, or null (tests, the command line's picture).
    Mdx_Spread* sheet() const { return getSSPointer(); }
    int currentRow() const { return m_currentRow; }

private:
    bool imageMode() const { return m_bill && m_transaction; }
    Mdx_Spread* getSSPointer() const;
    void addRow(const Mdx_StringArray& texts, const Mdx_String& picture);
    void advanceRow(Mdx_Spread& sheet);
    void addPictureRow(Mdx_Spread& sheet, const Mdx_String& picture);
    void setRowProperties(const int& row);
    Mdx_String keptPicturePath() const;

    int m_imageParameter1 = -1;
    int m_imageParameter2 = 0;
    int m_imageParameter3 = 0;
    bool m_imageFlag1 = true;
    bool m_imageFlag2 = true;
    Mdx_Bill* m_bill = nullptr;
    AcTransaction* m_transaction = nullptr;
    std::unique_ptr<BillSheetHolder> m_holder;
    int m_currentRow = 0;
    AcArray<int> m_columnKinds;
    Mdx_String m_fileName;
    Mdx_StringArray m_varNames;
    Mdx_StringArray m_varValues;
};

// The bill's title from its file name: no folder, no extension, and only the text after the
// last 0xBF when there is one.
Mdx_String billTitle(const Mdx_String& fileName);
