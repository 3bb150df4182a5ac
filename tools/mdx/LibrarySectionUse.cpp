#include "LibrarySectionUse.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "LibraryCatalog.h"
#include "core/sections/SectionNames.h"
#include "grid/TextRules.h"
#include "spread/Mdx_Spread.h"

namespace {

// The functions of the standards engine that read the section tables.
constexpr const char* kSectionFunctions[] = {"SECTIONSIZE", "GETPROFCELL", "GETSYSNAME"};

// The texts between double quotes, and the whole cell text itself.
std::vector<Mdx_String> namedTexts(const Mdx_String& text) {
    std::vector<Mdx_String> names{text};
    const std::string bytes = text.str();
    for (std::size_t open = bytes.find('"'); open != std::string::npos;) {
        const std::size_t close = bytes.find('"', open + 1);
        if (close == std::string::npos) break;
        names.emplace_back(bytes.substr(open + 1, close - open - 1));
        open = bytes.find('"', close + 1);
    }
    return names;
}

void addOnce(std::vector<std::string>& list, const std::string& item) {
    if (std::find(list.begin(), list.end(), item) == list.end()) list.push_back(item);
}

// The section function called in text, empty when none is ("sectionsize (" counts).
std::string calledFunction(const Mdx_String& text) {
    std::string upper = text.str();
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const std::string function : kSectionFunctions) {
        for (std::size_t at = upper.find(function); at != std::string::npos;
             at = upper.find(function, at + 1)) {
            std::size_t next = at + function.size();
            while (next < upper.size() && upper[next] == ' ') ++next;
            const bool startsWord =
                at == 0 || !(std::isalnum(static_cast<unsigned char>(upper[at - 1])) ||
                             upper[at - 1] == '_');
            if (startsWord && next < upper.size() && upper[next] == '(') return function;
        }
    }
    return {};
}

// The table holding the size the name names (its system name, with or without the dash
// after the table's name), as the registry's look-up finds it first; null for none.
const Mdx_SectionTable* tableNaming(const Mdx_SectionTableManager& tables, const Mdx_String& name) {
    Mdx_String systemName;
    if (tables.getSystemName(name, systemName) != Acad::eOk) return nullptr;
    for (const Mdx_SectionTable& table : tables.tables())
        for (const Mdx_SectionRow& row : table.rows)
            if (row.systemName.equal(systemName, false)) return &table;
    return nullptr;
}

}  // namespace

void collectSectionUse(const Mdx_Spread& sheet, const Mdx_SectionTableManager& tables,
                       LibraryStandard& standard) {
    for (int row = 1; row <= sheet.getMaxRows(); ++row) {
        for (int col = 1; col <= sheet.getMaxCols(); ++col) {
            Mdx_String text;
            if (!sheet.getCellText(col, row, text, kTextValue) || text.isEmpty()) continue;
            const std::string cell = grid::columnLetters(col) + std::to_string(row);
            if (const std::string function = calledFunction(text); !function.empty())
                standard.sectionReads.push_back(cell + ": " + function);
            for (Mdx_String name : namedTexts(text)) {
                name.trim();
                if (findFirstNumbers(name) < 0) continue;
                if (const Mdx_SectionTable* table = tableNaming(tables, name))
                    addOnce(standard.sectionTables, table->name.toUtf8());
            }
        }
    }
}
