#include <algorithm>
#include <vector>

#include "grid/SpreadModel.h"
#include "spread/Mdx_Spread.h"

// One read of the model per cell: the standards evaluation reads every cell of its sheets
// several times, and asking the control first for the length and then for the text made
// it compute each text twice.
bool Mdx_Spread::getCellText(int col, int row, Mdx_String& text, int kind) const {
    text.setEmpty();
    if (!attached || kind < kTextData || kind > kTextValue) return false;
    grid::SpreadModel* model = SSGetModel(GetSafeHwnd());
    if (!model) return false;
    if (col > model->maxColumns() || row > model->maxRows()) return false;
    std::string read;
    if (model->text(col, row, static_cast<grid::TextKind>(kind), read))
        text = Mdx_String(std::move(read));
    return true;
}

bool Mdx_Spread::writeText(int col, int row, const Mdx_String& text, bool asValue) {
    if (!attached) return false;
    return (asValue ? SetValue(col, row, text.c_str()) : SetData(col, row, text.c_str())) != FALSE;
}

bool Mdx_Spread::setCellData(int col, int row, const Mdx_String& text) {
    return writeText(col, row, text, false);
}

bool Mdx_Spread::setCellValue(int col, int row, const Mdx_String& text) {
    return writeText(col, row, text, true);
}

bool Mdx_Spread::setInt(int col, int row, int value) {
    return writeText(col, row, Mdx_String::fromInt(value), true);
}

bool Mdx_Spread::getInt(int col, int row, int& value) const {
    Mdx_String text;
    if (!getCellText(col, row, text, kTextValue)) return false;
    value = text.toInt();
    return true;
}

bool Mdx_Spread::setDouble(int col, int row, double value) {
    return writeText(col, row, Mdx_String(value, 2, true), false);
}

bool Mdx_Spread::getDouble(int col, int row, double& value) const {
    Mdx_String text;
    if (!getCellText(col, row, text, kTextValue)) return false;
    value = text.toDouble();
    return true;
}

bool Mdx_Spread::setCheck(int col, int row, bool on) {
    return writeText(col, row, on ? "1" : "0", false);
}

bool Mdx_Spread::getCheck(int col, int row, bool& on) const {
    Mdx_String text;
    if (!getCellText(col, row, text, kTextValue)) return false;
    if (text == "1") {
        on = true;
        return true;
    }
    if (text == "0") {
        on = false;
        return true;
    }
    return false;
}

// ---- Headers --------------------------------------------------------------------------------

bool Mdx_Spread::setRowHeaders(const Mdx_StringArray& texts) {
    if (!attached) return false;
    const int count = std::min(texts.length(), GetMaxRows());
    for (int i = 0; i < count; ++i) writeText(SS_HEADER, i + 1, texts[i], false);
    return true;
}

bool Mdx_Spread::setColumnHeaders(const Mdx_StringArray& texts) {
    if (!attached) return false;
    const int count = std::min(texts.length(), GetMaxCols());
    for (int i = 0; i < count; ++i) writeText(i + 1, SS_HEADER, texts[i], false);
    return true;
}

bool Mdx_Spread::getColumnHeaders(Mdx_StringArray& texts) const {
    if (!attached) return false;
    Mdx_StringArray read;
    for (int col = 1; col <= GetMaxCols(); ++col) {
        Mdx_String text;
        getCellText(col, SS_HEADER, text, kTextValue);
        read.append(text);
    }
    texts = read;
    return true;
}

// ---- Columns --------------------------------------------------------------------------------

bool Mdx_Spread::setColumnTexts(int col, const Mdx_StringArray& texts, bool asValue) {
    if (!attached || col > GetMaxCols()) return false;
    const int count = std::min(texts.length(), GetMaxRows());
    for (int i = 0; i < count; ++i) writeText(col, i + 1, texts[i], asValue);
    return true;
}

bool Mdx_Spread::setColumnInts(int col, const AcArray<int>& values) {
    if (!attached || col > GetMaxCols()) return false;
    const int count = std::min(values.length(), GetMaxRows());
    for (int i = 0; i < count; ++i) writeText(col, i + 1, Mdx_String::fromInt(values[i]), false);
    return true;
}

bool Mdx_Spread::setColumnDoubles(int col, const AcArray<double>& values) {
    if (!attached || col > GetMaxCols()) return false;
    const int count = std::min(values.length(), GetMaxRows());
    for (int i = 0; i < count; ++i) writeText(col, i + 1, Mdx_String(values[i], 2, true), false);
    return true;
}

bool Mdx_Spread::setColumnBools(int col, const AcArray<bool>& values) {
    if (!attached || col > GetMaxCols()) return false;
    const int count = std::min(values.length(), GetMaxRows());
    for (int i = 0; i < count; ++i) writeText(col, i + 1, values[i] ? "1" : "0", false);
    return true;
}

bool Mdx_Spread::setColumnRowIndices(int col, const AcArray<int>& rows) {
    if (!attached || col > GetMaxCols()) return false;
    const int maxRows = GetMaxRows();
    const int count = std::min(rows.length(), maxRows);
    for (int i = 0; i < count; ++i) {
        const int index = rows[i] < 0 || rows[i] > maxRows ? 0 : rows[i];
        writeText(col, i + 1, Mdx_String::fromInt(index), true);
    }
    return true;
}

bool Mdx_Spread::getColumnTexts(int col, Mdx_StringArray& texts, int kind) const {
    texts = Mdx_StringArray();
    if (!attached || col > GetMaxCols()) return false;
    for (int row = 1; row <= GetMaxRows(); ++row) {
        Mdx_String text;
        getCellText(col, row, text, kind);
        texts.append(text);
    }
    return true;
}

bool Mdx_Spread::getColumnValues(int col, Mdx_StringArray& texts) const {
    return getColumnTexts(col, texts, kTextValue);
}

bool Mdx_Spread::getColumnData(int col, Mdx_StringArray& texts) const {
    return getColumnTexts(col, texts, kTextData);
}

bool Mdx_Spread::getColumnInts(int col, AcArray<int>& values) const {
    Mdx_StringArray texts;
    if (!getColumnValues(col, texts)) return false;
    AcArray<int> read;
    for (const Mdx_String& text : texts) read.append(text.toInt());
    values = read;
    return true;
}

bool Mdx_Spread::getColumnDoubles(int col, AcArray<double>& values) const {
    Mdx_StringArray texts;
    if (!getColumnValues(col, texts)) return false;
    AcArray<double> read;
    for (const Mdx_String& text : texts) read.append(text.toDouble());
    values = read;
    return true;
}

bool Mdx_Spread::getColumnBools(int col, AcArray<bool>& values) const {
    Mdx_StringArray texts;
    if (!getColumnValues(col, texts)) return false;
    AcArray<bool> read;
    for (const Mdx_String& text : texts) read.append(text == "1");
    values = read;
    return true;
}

// ---- Rows -----------------------------------------------------------------------------------

bool Mdx_Spread::setRowTexts(int row, const Mdx_StringArray& texts, bool asValue) {
    if (!attached || row > GetMaxRows()) return false;
    const int count = std::min(texts.length(), GetMaxCols());
    for (int i = 0; i < count; ++i) writeText(i + 1, row, texts[i], asValue);
    return true;
}

bool Mdx_Spread::getRowValues(int row, Mdx_StringArray& texts) const {
    texts = Mdx_StringArray();
    if (!attached || row > GetMaxRows()) return false;
    for (int col = 1; col <= GetMaxCols(); ++col) {
        Mdx_String text;
        getCellText(col, row, text, kTextValue);
        texts.append(text);
    }
    return true;
}

bool Mdx_Spread::clearRow(int row) {
    if (!attached || row < 0 || row > GetMaxRows()) return false;
    for (int col = 1; col <= GetMaxCols(); ++col) writeText(col, row, "", true);
    return true;
}

bool Mdx_Spread::clearRows(int fromRow, int toRow) {
    if (!attached) return false;
    bool all = true;
    for (int row = fromRow; row <= toRow; ++row) all = clearRow(row) && all;
    return all;
}

bool Mdx_Spread::getAllRows(Mdx_Array<Mdx_StringArray>& rows) const {
    rows = Mdx_Array<Mdx_StringArray>();
    if (!attached) return false;
    for (int row = 1; row <= GetMaxRows(); ++row) {
        Mdx_StringArray values;
        getRowValues(row, values);
        rows.append(values);
    }
    return true;
}
