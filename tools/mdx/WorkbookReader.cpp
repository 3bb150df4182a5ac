#include "WorkbookReader.h"

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>

#include <exception>
#include <cctype>
#include <memory>
#include <stdexcept>
#include <system_error>
#include <unordered_map>

#include "grid/CellValue.h"

namespace fs = std::filesystem;
namespace ss = orcus::spreadsheet;
namespace iface = orcus::spreadsheet::iface;

namespace {

// Larger files are refused before the library unpacks them: a standards workbook is a few
// kilobytes, and a sheet holds at most this many cells of text.
constexpr std::uintmax_t kMaxFileBytes = 64u << 20;
constexpr std::size_t kMaxCells = 4'000'000;

std::string lowerExtension(const fs::path& file) {
    std::string extension = file.extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return extension;
}

// The cells of one sheet, gathered as the library reports them.
class SheetCollector : public iface::import_sheet, public iface::import_formula {
public:
    // The sheet is found by its index each time: the list of sheets grows while the library
    // reads, and moves its elements.
    SheetCollector(std::vector<WorkbookSheet>& sheets, std::size_t index,
                   const std::vector<std::string>& strings, std::size_t& cellCount,
                   std::string& problem)
        : sheets_(sheets), index_(index), strings_(strings), cellCount_(cellCount),
          problem_(problem) {}

    iface::import_formula* get_formula() override { return this; }

    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override {
        if (WorkbookCell* cell = add(row, col, WorkbookCell::Kind::Text)) cell->text = s;
    }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t index) override {
        if (WorkbookCell* cell = add(row, col, WorkbookCell::Kind::Text))
            cell->text = index < strings_.size() ? strings_[index] : std::string();
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override {
        if (WorkbookCell* cell = add(row, col, WorkbookCell::Kind::Number)) cell->number = value;
    }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override {
        if (WorkbookCell* cell = add(row, col, WorkbookCell::Kind::Bool)) cell->number = value;
    }
    void set_date_time(ss::row_t row, ss::col_t col, int, int, int, int, int, double) override {
        add(row, col, WorkbookCell::Kind::DateTime);
    }
    void set_format(ss::row_t, ss::col_t, std::size_t) override {}
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, std::size_t) override {}
    void fill_down_cells(ss::row_t, ss::col_t, ss::row_t) override {
        fail("cells filled down by the file, which this import does not repeat");
    }
    ss::range_size_t get_sheet_size() const override { return {grid::kMaxRows, grid::kMaxColumns}; }

    // import_formula: one formula cell at a time.
    void set_position(ss::row_t row, ss::col_t col) override {
        formula_ = WorkbookCell{};
        formula_.row = row + 1;
        formula_.column = col + 1;
        formula_.kind = WorkbookCell::Kind::SharedFormula;
    }
    void set_formula(ss::formula_grammar_t, std::string_view formula) override {
        formula_.kind = WorkbookCell::Kind::Formula;
        formula_.text = formula;
    }
    void set_shared_formula_index(std::size_t index) override {
        formula_.sharedIndex = index;
        formula_.shared = true;
    }
    void set_result_string(std::string_view) override {}
    void set_result_value(double) override {}
    void set_result_bool(bool) override {}
    void set_result_empty() override {}
    void commit() override {
        if (formula_.kind == WorkbookCell::Kind::SharedFormula && !formula_.shared)
            return fail("a formula cell without its formula");
        if (WorkbookCell* cell = add(formula_.row - 1, formula_.column - 1, formula_.kind))
            *cell = formula_;
    }

private:
    WorkbookCell* add(ss::row_t row, ss::col_t col, WorkbookCell::Kind kind) {
        if (!problem_.empty()) return nullptr;
        if (row < 0 || col < 0 || row >= grid::kMaxRows || col >= grid::kMaxColumns) {
            fail("a cell outside the grid");
            return nullptr;
        }
        if (++cellCount_ > kMaxCells) {
            fail("more than " + std::to_string(kMaxCells) + " cells");
            return nullptr;
        }
        WorkbookCell cell;
        cell.row = row + 1;
        cell.column = col + 1;
        cell.kind = kind;
        auto& cells = sheets_[index_].cells;
        cells.push_back(std::move(cell));
        return &cells.back();
    }
    void fail(const std::string& why) {
        if (problem_.empty()) problem_ = "sheet \"" + sheets_[index_].name + "\": " + why;
    }

    std::vector<WorkbookSheet>& sheets_;
    std::size_t index_;
    const std::vector<std::string>& strings_;
    std::size_t& cellCount_;
    std::string& problem_;
    WorkbookCell formula_;
};

// The shared strings of the workbook; rich text keeps its plain characters.
class StringCollector : public iface::import_shared_strings {
public:
    std::size_t append(std::string_view s) override {
        strings.emplace_back(s);
        return strings.size() - 1;
    }
    std::size_t add(std::string_view s) override {
        const auto known = index_.find(std::string(s));
        if (known != index_.end()) return known->second;
        index_.emplace(std::string(s), strings.size());
        return append(s);
    }
    void set_segment_font(std::size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                ss::color_elem_t) override {}
    void append_segment(std::string_view s) override { segments_ += s; }
    std::size_t commit_segments() override {
        const std::size_t index = append(segments_);
        segments_.clear();
        return index;
    }

    std::vector<std::string> strings;

private:
    std::string segments_;
    std::unordered_map<std::string, std::size_t> index_;
};

// Addresses the library meets in A1 form ("B3", "$B$3", "A1:C4"), for the parts of a file
// that name cells outside formulas.
class A1Resolver : public iface::import_reference_resolver {
public:
    ss::src_address_t resolve_address(std::string_view text) override {
        std::size_t i = 0;
        if (i < text.size() && text[i] == '$') ++i;
        long column = 0, row = 0;
        const std::size_t letters = i;
        while (i < text.size() && std::isalpha(static_cast<unsigned char>(text[i])) && column <= grid::kMaxColumns)
            column = column * 26 + (std::toupper(static_cast<unsigned char>(text[i++])) - 'A' + 1);
        if (i < text.size() && text[i] == '$') ++i;
        const std::size_t digits = i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && row <= grid::kMaxRows)
            row = row * 10 + (text[i++] - '0');
        if (i == letters || i == digits || i != text.size() || column > grid::kMaxColumns ||
            row < 1 || row > grid::kMaxRows)
            throw std::runtime_error("a cell address that is none: " + std::string(text));
        return {0, static_cast<ss::row_t>(row - 1), static_cast<ss::col_t>(column - 1)};
    }
    ss::src_range_t resolve_range(std::string_view text) override {
        const std::size_t colon = text.find(':');
        const ss::src_address_t first = resolve_address(text.substr(0, colon));
        return {first, colon == std::string_view::npos ? first
                                                       : resolve_address(text.substr(colon + 1))};
    }
};

class WorkbookCollector : public iface::import_factory {
public:
    explicit WorkbookCollector(Workbook& book) : book_(book) {}

    iface::import_shared_strings* get_shared_strings() override { return &strings_; }
    iface::import_reference_resolver* get_reference_resolver(ss::formula_ref_context_t) override {
        return &resolver_;
    }
    iface::import_sheet* append_sheet(ss::sheet_t, std::string_view name) override {
        book_.sheets.push_back(WorkbookSheet{std::string(name), {}});
        collectors_.push_back(std::make_unique<SheetCollector>(
            book_.sheets, book_.sheets.size() - 1, strings_.strings, cells_, problem));
        return collectors_.back().get();
    }
    iface::import_sheet* get_sheet(std::string_view name) override {
        for (std::size_t i = 0; i < book_.sheets.size(); ++i)
            if (book_.sheets[i].name == name) return collectors_[i].get();
        return nullptr;
    }
    iface::import_sheet* get_sheet(ss::sheet_t index) override {
        return index >= 0 && static_cast<std::size_t>(index) < collectors_.size()
                   ? collectors_[static_cast<std::size_t>(index)].get()
                   : nullptr;
    }
    void finalize() override {}

    std::string problem;

private:
    Workbook& book_;
    StringCollector strings_;
    A1Resolver resolver_;
    std::vector<std::unique_ptr<SheetCollector>> collectors_;
    std::size_t cells_ = 0;
};

}  // namespace

bool isWorkbookFile(const fs::path& file) {
    const std::string extension = lowerExtension(file);
    return extension == ".ods" || extension == ".xlsx";
}

bool readWorkbook(const fs::path& file, Workbook& book, std::string& why) {
    std::error_code error;
    const std::uintmax_t size = fs::file_size(file, error);
    if (error) {
        why = "cannot be read";
        return false;
    }
    if (size > kMaxFileBytes) {
        why = "larger than " + std::to_string(kMaxFileBytes >> 20) + " MiB";
        return false;
    }
    book = Workbook{};
    book.openFormula = lowerExtension(file) == ".ods";
    WorkbookCollector collector(book);
    try {
        if (book.openFormula) orcus::orcus_ods(&collector).read_file(file.string());
        else orcus::orcus_xlsx(&collector).read_file(file.string());
    } catch (const std::exception& e) {
        why = std::string("not a workbook the import can read (") + e.what() + ")";
        return false;
    }
    if (!collector.problem.empty()) {
        why = collector.problem;
        return false;
    }
    if (book.sheets.empty()) {
        why = "the workbook has no sheet";
        return false;
    }
    return true;
}
