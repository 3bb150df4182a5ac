#pragma once
// Workbooks of spreadsheet programs made at test time: ".xlsx" with the xlsx writer library,
// ".ods" as its OpenDocument parts zipped with the zip library. Cells are given as the user
// typed them: a text starting with '=' is a formula, a text that reads as a number a number.
#include <xlsxwriter.h>
#include <zip.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace mdx_testing {

struct TestCell {
    int column, row;  // from 1
    std::string text;
};

struct TestSheet {
    std::string name;
    std::vector<TestCell> cells;
};

inline bool readsAsNumber(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return end && *end == '\0';
}

inline bool writeXlsx(const std::filesystem::path& file, const std::vector<TestSheet>& sheets) {
    lxw_workbook* book = workbook_new(file.string().c_str());
    if (!book) return false;
    for (const TestSheet& sheet : sheets) {
        lxw_worksheet* ws = workbook_add_worksheet(book, sheet.name.c_str());
        for (const TestCell& cell : sheet.cells) {
            const auto row = static_cast<lxw_row_t>(cell.row - 1);
            const auto col = static_cast<lxw_col_t>(cell.column - 1);
            double number;
            if (!cell.text.empty() && cell.text[0] == '=')
                worksheet_write_formula(ws, row, col, cell.text.c_str(), nullptr);
            else if (readsAsNumber(cell.text, number))
                worksheet_write_number(ws, row, col, number, nullptr);
            else
                worksheet_write_string(ws, row, col, cell.text.c_str(), nullptr);
        }
    }
    return workbook_close(book) == LXW_NO_ERROR;
}

inline std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

// Formulas are given in the OpenDocument form already ("of:=[.A1]*2").
inline std::string odsContent(const std::vector<TestSheet>& sheets) {
    std::string xml =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
        "xmlns:of=\"urn:oasis:names:tc:opendocument:xmlns:of:1.2\" office:version=\"1.2\">"
        "<office:body><office:spreadsheet>";
    for (const TestSheet& sheet : sheets) {
        xml += "<table:table table:name=\"" + xmlEscaped(sheet.name) + "\">";
        int lastRow = 0;
        for (const TestCell& c : sheet.cells) lastRow = std::max(lastRow, c.row);
        for (int row = 1; row <= lastRow; ++row) {
            xml += "<table:table-row>";
            int column = 1;
            for (const TestCell& cell : sheet.cells) {
                if (cell.row != row) continue;
                for (; column < cell.column; ++column) xml += "<table:table-cell/>";
                double number;
                if (cell.text.rfind("of:=", 0) == 0)
                    xml += "<table:table-cell table:formula=\"" + xmlEscaped(cell.text) +
                           "\" office:value-type=\"float\" office:value=\"0\"/>";
                else if (readsAsNumber(cell.text, number))
                    xml += "<table:table-cell office:value-type=\"float\" office:value=\"" +
                           cell.text + "\"><text:p>" + cell.text + "</text:p></table:table-cell>";
                else
                    xml += "<table:table-cell office:value-type=\"string\"><text:p>" +
                           xmlEscaped(cell.text) + "</text:p></table:table-cell>";
                ++column;
            }
            xml += "</table:table-row>";
        }
        xml += "</table:table>";
    }
    return xml + "</office:spreadsheet></office:body></office:document-content>";
}

// The archive reads the bytes when it is closed: they must live until then.
inline bool addZipEntry(zip_t* archive, const char* name, const std::string& bytes, bool stored) {
    zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
    if (!source) return false;
    const zip_int64_t index = zip_file_add(archive, name, source, ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    return !stored ||
           zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0) == 0;
}

inline bool writeOds(const std::filesystem::path& file, const std::vector<TestSheet>& sheets) {
    int error = 0;
    zip_t* archive = zip_open(file.string().c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) return false;
    const std::string manifest =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\">"
        "<manifest:file-entry manifest:full-path=\"/\" "
        "manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
        "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/>"
        "</manifest:manifest>";
    const std::string mimetype = "application/vnd.oasis.opendocument.spreadsheet";
    const std::string content = odsContent(sheets);
    const bool ok = addZipEntry(archive, "mimetype", mimetype, true) &&
                    addZipEntry(archive, "META-INF/manifest.xml", manifest, false) &&
                    addZipEntry(archive, "content.xml", content, false);
    if (!ok) {
        zip_discard(archive);
        return false;
    }
    return zip_close(archive) == 0;
}

}  // namespace mdx_testing
