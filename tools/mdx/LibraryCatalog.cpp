#include "LibraryCatalog.h"

#include <algorithm>
#include <filesystem>
#include <cctype>
#include <map>
#include <string_view>

#include "LibrarySectionUse.h"
#include "SheetTransfer.h"
#include "core/FileHelpers.h"
#include "core/Mdx_Settings.h"
#include "core/StringHelpers.h"
#include "grid/SpreadApi.h"
#include "sectionlib/SectionLibraryRegistry.h"
#include "grid/TextRules.h"
#include "standards/KvMappingCheck.h"
#include "standards/KvMappingFile.h"
#include "standards/KvSSMapping.h"
#include "standards/KvSheetSections.h"
#include "standards/KvFileScope.h"
#include "standards/KvStandardsSpread.h"
#include "win/CWnd.h"
#include "win/FilePaths.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kStandardsFolder = "Connection Standards";
const Mdx_String kCallChild = "CallChild";
constexpr int kPlaceholder = 1196;

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return Mdx_String(a).equal(Mdx_String(b), false);
}

// A hidden window holding the placeholder the grid replaces, as the pooled dialogs hold one.
class SheetHostWindow {
public:
    SheetHostWindow() {
        SSRegisterSpreadClass();
        window_ = CreateWindowEx(0, "#32770", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                 nullptr, nullptr);
        if (window_)
            CreateWindowEx(0, "STATIC", "", WS_CHILD, 10, 10, 700, 500, window_,
                           reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kPlaceholder)), nullptr,
                           nullptr);
    }
    ~SheetHostWindow() {
        if (window_) DestroyWindow(window_);
    }
    SheetHostWindow(const SheetHostWindow&) = delete;
    SheetHostWindow& operator=(const SheetHostWindow&) = delete;

    bool attach(Mdx_Spread& sheet) {
        return window_ && sheet.attachToDlgItem(CWnd::FromHandle(window_), kPlaceholder, false);
    }

private:
    HWND window_ = nullptr;
};

void collectVariables(const KvVarCells& cells, LibraryStandard& standard) {
    for (int i = 0; i < cells.length(); ++i) {
        const KvVarCell& cell = cells[i];
        LibraryVariable variable{declarationKeyword(cell.valueType), cell.name.toUtf8()};
        if (cell.isInput())
            standard.inputs.push_back(variable);
        else if (cell.isOutput())
            standard.outputs.push_back(variable);
        else
            standard.locals.push_back(variable);
    }
}

void collectMappingKeys(const Mdx_String& moduleName, const KvVarCells& cells,
                        LibraryStandard& standard) {
    Mdx_StringArray lines;
    standard.hasMappingFile = mappingfile::readLines(moduleName, lines);
    for (const Mdx_String& line : lines) {
        KvSSMapping mapping;
        if (mapping.initMappingFromLine(line) != Acad::eOk) continue;  // no "=": no mapping
        LibraryMappingKey key{
            mappingfile::keyOf(line).toUtf8(), mapping.mappedObjects().length(), {}, {}, {}};
        for (const KvObjectMap& object : mapping.mappedObjects()) {
            Mdx_String text, name;
            if (object.setMappingToStrs(text, name) == Acad::eOk) {
                text.replace(Mdx_String(kMappingGroupSeparator), ".", true);
                key.ties.push_back(name.toUtf8() + "=" + text.toUtf8());
            }
            int index = -1;
            if (cells.findVarCell(object.ssVarName, index) != Acad::eOk)
                key.undeclared.push_back(object.ssVarName.toUtf8());
        }
        standard.mappingKeys.push_back(std::move(key));
    }
    for (const KvMappingProblem& problem : mappingfile::findProblems(moduleName)) {
        const std::string text =
            "line " + std::to_string(problem.lineNumber) + ": " + problem.message.toUtf8();
        bool named = false;
        for (LibraryMappingKey& key : standard.mappingKeys)
            if (!named && key.key == problem.key.toUtf8()) {
                key.problem = text;
                named = true;
            }
        if (!named) standard.mappingKeys.push_back({problem.key.toUtf8(), 0, {}, text, {}});
    }
}

// The library-relative form of a module path inside the library ("L:\Connection
// Standards\Childs\x.kvs" -> "Connection Standards/Childs/x.kvs"); the real path otherwise.
std::string displayPath(const Mdx_String& modulePath) {
    const Mdx_String library = gSettings.libDir();
    if (!modulePath.startsWith(library, false)) return win::mapPath(modulePath.str()).string();
    std::string relative = modulePath.mid(library.length()).toUtf8();
    std::replace(relative.begin(), relative.end(), '\\', '/');
    return relative;
}

// A "CallChild" cell read as the engine reads it.
LibraryChildCall readChildCall(const KvStandardsSpread& sheet, int col, int row,
                               const Mdx_String& text) {
    LibraryChildCall call;
    call.cell = grid::columnLetters(col) + std::to_string(row);
    Mdx_String file;
    Mdx_StringArray items;
    if (!KvStandardsSpread::splitChildCall(text, kCallChild, file, items)) {
        call.problem = "no parentheses around the file and the variables";
        return call;
    }
    call.file = file.toUtf8();
    file_scope::forgetRefused();
    const Mdx_String resolved = sheet.resolveChildFile(file);
    if (fileExists(resolved)) call.resolved = displayPath(resolved);
    if (!file_scope::lastRefused().isEmpty())
        call.problem = "its file " + displayPath(file_scope::lastRefused()) +
                       " lies outside the library and is refused";
    for (int i = 0; i < items.length(); ++i) {
        Mdx_String name = items[i];
        name.trim();
        call.passed.push_back(name.toUtf8());
        int index = -1;
        if (sheet.varCells().findVarCell(name, index) != Acad::eOk && call.problem.empty())
            call.problem = "passes \"" + name.toUtf8() + "\", which is not declared";
    }
    if (call.passed.empty())
        call.problem = "passes no variables";
    else if (!call.resolved.empty() && resolved.equal(sheet.filePath(), false))
        call.problem = "calls its own spreadsheet";
    return call;
}

// A file name that leaves the folder it is looked up in: absolute, on a drive, or with "..".
bool leavesFolder(std::string_view name) {
    if (name.empty()) return false;
    if (name[0] == '/' || name[0] == '\\') return true;
    if (name.size() >= 2 && std::isalpha(static_cast<unsigned char>(name[0])) && name[1] == ':')
        return true;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find_first_of("/\\", start);
        if (end == std::string_view::npos) end = name.size();
        if (name.substr(start, end - start) == "..") return true;
        start = end + 1;
    }
    return false;
}

// The texts in double quotes of an equation (the file arguments of the file functions) and
// the file of a child call, when they leave the library.
void collectEscapingFiles(const Mdx_String& text, const std::string& cell,
                          LibraryStandard& standard) {
    const std::string equation = text.toUtf8();
    std::vector<std::string> names;
    for (std::size_t open = equation.find('"'); open != std::string::npos;) {
        const std::size_t close = equation.find('"', open + 1);
        if (close == std::string::npos) break;
        names.push_back(equation.substr(open + 1, close - open - 1));
        open = equation.find('"', close + 1);
    }
    Mdx_String file;
    Mdx_StringArray items;
    if (KvStandardsSpread::splitChildCall(text, kCallChild, file, items) &&
        std::find(names.begin(), names.end(), file.toUtf8()) == names.end())
        names.push_back(file.toUtf8());
    for (const std::string& name : names)
        if (leavesFolder(name)) standard.escapingFiles.push_back(cell + ": " + name);
}

// Every cell from the row below "Calc" to the sheet's end, as the calculation walks them.
void collectChildCalls(const KvStandardsSpread& sheet, int calcStart, LibraryStandard& standard) {
    if (calcStart < 0) return;
    for (int row = calcStart; row <= sheet.getMaxRows(); ++row) {
        for (int col = 1; col <= sheet.getMaxCols(); ++col) {
            Mdx_String text;
            if (!sheet.getCellText(col, row, text, kTextValue) || text.isEmpty()) continue;
            collectEscapingFiles(text, grid::columnLetters(col) + std::to_string(row), standard);
            if (text.find(kCallChild, false) < 0) continue;
            standard.childCalls.push_back(readChildCall(sheet, col, row, text));
        }
    }
}

std::string sectionProblem(const KvSheetSections& sections) {
    if (!sections.input().isPresent()) return "no \"Input\" section";
    if (!sections.output().isPresent()) return "no \"Output\" section";
    if (!sections.calc().isPresent()) return "no \"Calc\" section, so nothing is calculated";
    return {};
}

// The calculation drops every later declaration of a name before it starts.
std::string duplicateProblem(const KvVarCells& cells) {
    for (int later = 1; later < cells.length(); ++later) {
        int first = -1;
        if (cells.findVarCell(cells[later].name, first) == Acad::eOk && first < later)
            return "declares \"" + cells[later].name.toUtf8() +
                   "\" twice; the later declaration is dropped";
    }
    return {};
}

void readStandard(KvStandardsSpread& sheet, const Mdx_SectionTableManager& tables,
                  LibraryStandard& standard) {
    Mdx_String moduleName = Mdx_String::fromUtf8(standard.name);
    moduleName.replace("/", "\\", true);
    const Mdx_String path = gSettings.libDir() + kStandardsFolder + "\\" + moduleName + ".kvs";
    if (sheet.loadStandardsFile(path) != Acad::eOk) {
        standard.problem = describeSheetFileProblem(win::mapPath(path.str()));
        return;
    }
    const KvSheetSections sections(sheet);
    standard.problem = sectionProblem(sections);
    sheet.initVarCells();
    if (standard.problem.empty()) standard.problem = duplicateProblem(sheet.varCells());
    collectVariables(sheet.varCells(), standard);
    collectMappingKeys(moduleName, sheet.varCells(), standard);
    collectChildCalls(sheet, sections.calc().startRow, standard);
    collectSectionUse(sheet, tables, standard);
}

// The standards below the folder; a child sheet lies under Childs or Parents.
std::vector<LibraryStandard> findStandards(const fs::path& folder) {
    std::vector<LibraryStandard> found;
    std::error_code error;
    for (fs::recursive_directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        if (!it->is_regular_file(error) ||
            !equalsIgnoringCase(it->path().extension().string(), ".kvs"))
            continue;
        fs::path relative = it->path().lexically_relative(folder);
        LibraryStandard standard;
        const std::string top = relative.begin()->string();
        standard.isChild =
            std::distance(relative.begin(), relative.end()) > 1 &&
            (equalsIgnoringCase(top, "Childs") || equalsIgnoringCase(top, "Parents"));
        standard.name = relative.replace_extension().generic_string();
        found.push_back(std::move(standard));
    }
    // The standards a caller evaluates first, their child sheets after them.
    std::sort(found.begin(), found.end(), [](const LibraryStandard& a, const LibraryStandard& b) {
        return a.isChild != b.isChild ? b.isChild : a.name < b.name;
    });
    return found;
}

bool declares(const std::vector<LibraryVariable>& variables, const std::string& name) {
    for (const LibraryVariable& variable : variables)
        if (equalsIgnoringCase(variable.name, name)) return true;
    return false;
}

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The passed variables meet the child's inputs and then its outputs by position.
std::string argumentProblem(const LibraryStandard& caller, const LibraryChildCall& call,
                            const LibraryStandard& child) {
    const size_t inputs = child.inputs.size();
    const size_t wanted = inputs + child.outputs.size();
    if (call.passed.size() < wanted)
        return "passes " + counted(call.passed.size(), "variable") + "; the child needs " +
               std::to_string(wanted) + ", one for each input and output";
    for (size_t i = inputs; i < wanted; ++i) {
        if (declares(caller.inputs, call.passed[i]))
            return "passes the input \"" + call.passed[i] + "\" for the child's output \"" +
                   child.outputs[i - inputs].name + "\"";
        if (declares(caller.locals, call.passed[i]))
            return "\"" + call.passed[i] +
                   "\" is a local here and does not receive the child's \"" +
                   child.outputs[i - inputs].name + "\"";
    }
    if (call.passed.size() > wanted)
        return "passes " + counted(call.passed.size(), "variable") + "; the child takes " +
               std::to_string(wanted) + " and ignores the rest";
    return {};
}

// What the child's input stage would refuse, said here where the author sees both sides.
void checkChildArguments(LibraryCatalog& catalog) {
    std::map<std::string, const LibraryStandard*> byFile;
    for (const LibraryStandard& standard : catalog.standards)
        byFile[lowerCase(std::string(kStandardsFolder) + "/" + standard.name + ".kvs")] = &standard;
    for (LibraryStandard& standard : catalog.standards) {
        for (LibraryChildCall& call : standard.childCalls) {
            const auto child = byFile.find(lowerCase(call.resolved));
            if (call.problem.empty() && child != byFile.end() && child->second->problem.empty())
                call.problem = argumentProblem(standard, call, *child->second);
        }
    }
}

}  // namespace

LibraryScan scanLibrary(LibraryCatalog& catalog) {
    catalog.folder = gSettings.libraryFolder();
    std::error_code error;
    if (!fs::is_directory(catalog.folder, error)) return LibraryScan::NoFolder;
    const fs::path standards = win::mapPath((gSettings.libDir() + kStandardsFolder).str());
    if (!fs::is_directory(standards, error)) return LibraryScan::NoStandards;
    catalog.standards = findStandards(standards);
    if (catalog.standards.empty()) return LibraryScan::NoStandards;
    SheetHostWindow host;
    KvStandardsSpread sheet;
    if (!host.attach(sheet)) {
        for (LibraryStandard& standard : catalog.standards)
            standard.problem = "no grid window could be made to read it in";
        return LibraryScan::Ok;
    }
    Mdx_SectionTableManager tables;
    registerLibrarySectionTables(tables);
    for (const Mdx_SectionTable& table : tables.tables())
        catalog.sectionTables.push_back(table.name.toUtf8());
    for (LibraryStandard& standard : catalog.standards) readStandard(sheet, tables, standard);
    checkChildArguments(catalog);
    return LibraryScan::Ok;
}
