#include "grid/SheetFile.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "grid/PlainGridFile.h"
#include "grid/SheetFileSyntax.h"
#include "grid/SpreadModel.h"
#include "grid/TextRules.h"
#include "win/FilePaths.h"

namespace grid {

namespace {

constexpr std::string_view kMagic = "MDX-SHEET";
constexpr int kVersion = 1;

void writeFont(std::string& out, const FontSpec& f) {
    appendQuoted(out, f.face);
    out += ' ' + std::to_string(f.height) + ' ' + std::to_string(f.weight) + ' ' +
           std::to_string(f.italic) + ' ' + std::to_string(f.underline) + ' ' +
           std::to_string(f.strikeOut) + ' ' + std::to_string(f.charSet);
}

bool readFont(LineReader& in, FontSpec& f) {
    int italic, underline, strike;
    return in.text(f.face) && in.integer(f.height) && in.integer(f.weight) &&
           in.flag(italic) && in.flag(underline) && in.flag(strike) && in.integer(f.charSet) &&
           ((f.italic = italic), (f.underline = underline), (f.strikeOut = strike), true);
}

void writeType(std::string& out, const CellType& t) {
    out += std::to_string(t.code) + ' ' + std::to_string(t.style) + ' ' +
           std::to_string(t.maxLength) + ' ' + std::to_string(t.decimals) + ' ';
    appendExactNumber(out, t.minimum);
    out += ' ';
    appendExactNumber(out, t.maximum);
    out += ' ' + std::to_string(t.separator) + ' ' + std::to_string(t.handle) + ' ' +
           std::to_string(t.pictureStyle) + ' ';
    appendQuoted(out, t.text);
    for (int i = 0; i < 6; ++i) {
        out += ' ';
        appendQuoted(out, t.pictures[i]);
        out += ' ' + std::to_string(t.pictureTypes[i]);
    }
}

bool readType(LineReader& in, CellType& t) {
    int code, separator;
    long long style, handle;
    if (!in.integer(code) || code < 0 || code > 255 || !in.integer64(style) || style < 0 ||
        style > 0xFFFFFFFFll || !in.integer(t.maxLength) || !in.integer(t.decimals) ||
        t.decimals < 0 || t.decimals > 15 || !in.number(t.minimum) || !in.number(t.maximum) ||
        !in.flag(separator) || !in.integer64(handle) || !in.integer(t.pictureStyle) ||
        !in.text(t.text))
        return false;
    t.code = static_cast<std::uint8_t>(code);
    t.style = static_cast<std::uint32_t>(style);
    t.separator = separator != 0;
    t.handle = static_cast<std::intptr_t>(handle);
    for (int i = 0; i < 6; ++i)
        if (!in.text(t.pictures[i]) || !in.integer(t.pictureTypes[i])) return false;
    return true;
}

void writeValue(std::string& out, const CellValue& v) {
    switch (v.kind) {
    case ValueKind::Empty: return;
    case ValueKind::Number:
        out += " n ";
        appendExactNumber(out, v.number);
        return;
    case ValueKind::Text:
        out += " s ";
        appendQuoted(out, v.text);
        return;
    case ValueKind::Bool: out += v.number != 0 ? " b 1" : " b 0"; return;
    case ValueKind::Error: out += " e " + std::to_string(static_cast<int>(v.error)); return;
    }
}

class Writer : public Sheet::CellVisitor {
public:
    explicit Writer(SpreadModel& model) : model_(model) {}

    std::string run() {
        out_ += std::string(kMagic) + ' ' + std::to_string(kVersion) + '\n';
        out_ += "size " + std::to_string(model_.maxColumns()) + ' ' +
                std::to_string(model_.maxRows()) + '\n';
        out_ += "refstyle " + std::to_string(static_cast<int>(model_.sheet().refStyle())) + '\n';
        out_ += "options ";
        for (int i = 0; i < kOptionCount; ++i) out_ += model_.option(i) ? '1' : '0';
        out_ += '\n';
        view();
        for (size_t i = 0; i < model_.fonts().size(); ++i) {
            out_ += "font " + std::to_string(i) + ' ';
            writeFont(out_, model_.fonts()[i]);
            out_ += '\n';
        }
        for (size_t i = 1; i < model_.types().size(); ++i) {
            out_ += "type " + std::to_string(i) + ' ';
            writeType(out_, model_.types()[i]);
            out_ += '\n';
        }
        for (auto [c, px] : model_.columnWidths())
            out_ += "width " + std::to_string(c) + ' ' + std::to_string(px) + '\n';
        for (auto [r, px] : model_.rowHeights())
            out_ += "height " + std::to_string(r) + ' ' + std::to_string(px) + '\n';
        for (const Span& s : model_.spans())
            out_ += "span " + std::to_string(s.column) + ' ' + std::to_string(s.row) + ' ' +
                    std::to_string(s.columns) + ' ' + std::to_string(s.rows) + '\n';
        cells();
        out_ += "end\n";
        return std::move(out_);
    }

    void visit(int column, int row) override { contentCells_.push_back(SpreadModel::key(column, row)); }

private:
    void view() {
        const ViewSettings& v = model_.view();
        out_ += "view " + std::to_string(v.appearance) + ' ' + std::to_string(v.operationMode) +
                ' ' + std::to_string(v.backColorStyle) + ' ' + std::to_string(v.selBackColor) +
                ' ' + std::to_string(v.selForeColor) + ' ' + std::to_string(v.colorPair1[0]) +
                ' ' + std::to_string(v.colorPair1[1]) + ' ' + std::to_string(v.colorPair2[0]) +
                ' ' + std::to_string(v.colorPair2[1]) + ' ' + std::to_string(v.twoArgOption[0]) +
                ' ' + std::to_string(v.twoArgOption[1]) + ' ' + std::to_string(v.noteIndicator) +
                '\n';
        for (const auto& [action, k] : v.actionKeys)
            out_ += "actionkey " + std::to_string(action) + ' ' + std::to_string(k[0]) + ' ' +
                    std::to_string(k[1]) + ' ' + std::to_string(k[2]) + '\n';
        if (v.gridType != 0 || v.gridColor != kNoColor)
            out_ += "gridlines " + std::to_string(v.gridType) + ' ' +
                    std::to_string(v.gridColor) + '\n';
        const TextTipSettings& t = v.textTip;
        out_ += "texttip " + std::to_string(t.status) + ' ' + std::to_string(t.delay) + ' ' +
                std::to_string(t.hasFont) + ' ' + std::to_string(t.backColor) + ' ' +
                std::to_string(t.foreColor) + ' ';
        writeFont(out_, t.font);
        out_ += '\n';
        const SelectionState& s = model_.selection();
        out_ += "selection " + std::to_string(s.activeColumn) + ' ' + std::to_string(s.activeRow) +
                ' ' + std::to_string(s.hasBlock) + ' ' + std::to_string(s.block.column1) + ' ' +
                std::to_string(s.block.row1) + ' ' + std::to_string(s.block.column2) + ' ' +
                std::to_string(s.block.row2) + ' ' + std::to_string(s.editing) + ' ' +
                std::to_string(s.editStart) + ' ' + std::to_string(s.editEnd) + '\n';
    }

    void cells() {
        model_.sheet().visitCells(*this);
        for (const auto& [k, f] : model_.formats())
            if (!f.isDefault()) contentCells_.push_back(k);
        std::sort(contentCells_.begin(), contentCells_.end());
        contentCells_.erase(std::unique(contentCells_.begin(), contentCells_.end()),
                            contentCells_.end());
        Sheet& sheet = model_.sheet();
        for (std::uint64_t k : contentCells_) {
            int c = SpreadModel::keyColumn(k), r = SpreadModel::keyRow(k);
            std::string line = "cell " + std::to_string(c) + ' ' + std::to_string(r);
            if (sheet.hasFormula(c, r)) {
                line += " f ";
                appendQuoted(line, sheet.formulaText(c, r, RefStyle::A1));
            }
            writeValue(line, sheet.storedValue(c, r));
            auto it = model_.formats().find(k);
            if (it != model_.formats().end()) format(line, it->second);
            out_ += line + '\n';
        }
    }

    static void format(std::string& line, const CellFormat& f) {
        if (f.typeId) line += " t " + std::to_string(f.typeId);
        if (f.fontId) line += " fo " + std::to_string(f.fontId);
        if (f.backColor != kNoColor) line += " bg " + std::to_string(f.backColor);
        if (f.foreColor != kNoColor) line += " fg " + std::to_string(f.foreColor);
        if (!(f.border == BorderSpec()))
            line += " bd " + std::to_string(f.border.type) + ' ' + std::to_string(f.border.style) +
                    ' ' + std::to_string(f.border.color);
        if (f.locked) line += " lk";
        if (!f.tag.empty()) {
            line += " tag ";
            appendQuoted(line, f.tag);
        }
        if (!f.note.empty()) {
            line += " note ";
            appendQuoted(line, f.note);
        }
    }

    SpreadModel& model_;
    std::string out_;
    std::vector<std::uint64_t> contentCells_;
};

class Reader {
public:
    explicit Reader(SpreadModel& model) : model_(model) {}

    bool run(std::string_view bytes, std::string& error) {
        LineSplitter lines(bytes);
        std::string_view line;
        if (!lines.next(line)) return fail(error, "empty file");
        LineReader head(line);
        std::string word;
        int version;
        if (!head.word(word) || word != kMagic || !head.integer(version) || !head.atEnd())
            return fail(error, "not a sheet file");
        if (version != kVersion) return fail(error, "unsupported version");
        model_.sheet().setRefStyle(RefStyle::A1);
        bool ended = false;
        while (lines.next(line)) {
            ++lineNumber_;
            if (ended) {
                if (line.find_first_not_of(" \t\r") != std::string_view::npos)
                    return fail(error, "text after end");
                continue;
            }
            if (line.empty()) continue;
            LineReader in(line);
            if (!in.word(word)) return fail(error, "bad record");
            if (word == "end") {
                if (!in.atEnd()) return fail(error, "bad end");
                ended = true;
                continue;
            }
            if (!record(word, in) || !in.atEnd())
                return fail(error, "bad " + word + " record" +
                                       (refusal_.empty() ? std::string() : "; " + refusal_));
        }
        if (!ended) return fail(error, "file is cut short");
        model_.sheet().setRefStyle(refStyle_);
        model_.setOption(kOptionAutoCalc, model_.option(kOptionAutoCalc));
        return true;
    }

private:
    bool fail(std::string& error, const std::string& why) {
        error = "line " + std::to_string(lineNumber_ + 1) + ": " + why;
        return false;
    }

    static bool line(int v, int limit) { return v >= 0 && v <= limit; }

    bool record(const std::string& word, LineReader& in) {
        if (word == "size") return size(in);
        if (word == "refstyle") {
            int s;
            if (!in.integer(s) || s < 0 || s > 2) return false;
            refStyle_ = static_cast<RefStyle>(s);
            return true;
        }
        if (word == "options") return options(in);
        if (word == "view") return view(in);
        if (word == "actionkey") {
            int action;
            std::array<int, 3> k;
            if (!in.integer(action) || !in.integer(k[0]) || !in.integer(k[1]) || !in.integer(k[2]))
                return false;
            model_.view().actionKeys[action] = k;
            return true;
        }
        if (word == "texttip") return textTip(in);
        if (word == "gridlines") {
            long long color;
            if (!in.integer(model_.view().gridType) || !in.integer64(color) || color < 0 ||
                color > 0xFFFFFFFFll)
                return false;
            model_.view().gridColor = static_cast<std::uint32_t>(color);
            return true;
        }
        if (word == "selection") return selection(in);
        if (word == "font") return font(in);
        if (word == "type") return type(in);
        if (word == "width" || word == "height") {
            int index, px;
            if (!in.integer(index) || !in.integer(px) || px < 0) return false;
            if (word == "width") return line(index, kMaxColumns) && model_.setColumnWidth(index, px);
            return line(index, kMaxRows) && model_.setRowHeight(index, px);
        }
        if (word == "span") {
            int c, r, cs, rs;
            return in.integer(c) && in.integer(r) && in.integer(cs) && in.integer(rs) &&
                   line(c, kMaxColumns) && line(r, kMaxRows) && cs >= 1 && rs >= 1 &&
                   cs <= kMaxColumns && rs <= kMaxRows && model_.addSpan(c, r, cs, rs);
        }
        if (word == "cell") return cell(in);
        return false;
    }

    bool size(LineReader& in) {
        int c, r;
        if (!in.integer(c) || !in.integer(r) || !line(c, kMaxColumns) || !line(r, kMaxRows))
            return false;
        model_.setMaxColumns(c);
        model_.setMaxRows(r);
        return true;
    }

    bool options(LineReader& in) {
        std::string bits;
        if (!in.word(bits) || bits.size() != kOptionCount) return false;
        for (int i = 0; i < kOptionCount; ++i) {
            if (bits[static_cast<size_t>(i)] != '0' && bits[static_cast<size_t>(i)] != '1')
                return false;
            model_.setOption(i, bits[static_cast<size_t>(i)] == '1');
        }
        return true;
    }

    bool view(LineReader& in) {
        ViewSettings& v = model_.view();
        int a[12];
        long long colors[6];
        if (!in.integer(a[0]) || !in.integer(a[1]) || !in.integer(a[2])) return false;
        for (long long& c : colors)
            if (!in.integer64(c) || c < 0 || c > 0xFFFFFFFFll) return false;
        if (!in.integer(a[3]) || !in.integer(a[4]) || !in.integer(a[5])) return false;
        v.appearance = a[0];
        v.operationMode = a[1];
        v.backColorStyle = a[2];
        v.selBackColor = static_cast<std::uint32_t>(colors[0]);
        v.selForeColor = static_cast<std::uint32_t>(colors[1]);
        v.colorPair1[0] = static_cast<std::uint32_t>(colors[2]);
        v.colorPair1[1] = static_cast<std::uint32_t>(colors[3]);
        v.colorPair2[0] = static_cast<std::uint32_t>(colors[4]);
        v.colorPair2[1] = static_cast<std::uint32_t>(colors[5]);
        v.twoArgOption[0] = a[3];
        v.twoArgOption[1] = a[4];
        v.noteIndicator = a[5];
        return true;
    }

    bool textTip(LineReader& in) {
        TextTipSettings& t = model_.view().textTip;
        int hasFont;
        long long back, fore;
        if (!in.integer(t.status) || !in.integer(t.delay) || !in.flag(hasFont) ||
            !in.integer64(back) || !in.integer64(fore) || back < 0 || fore < 0 ||
            back > 0xFFFFFFFFll || fore > 0xFFFFFFFFll || !readFont(in, t.font))
            return false;
        t.hasFont = hasFont != 0;
        t.backColor = static_cast<std::uint32_t>(back);
        t.foreColor = static_cast<std::uint32_t>(fore);
        return true;
    }

    bool selection(LineReader& in) {
        SelectionState& s = model_.selection();
        int hasBlock, editing;
        return in.integer(s.activeColumn) && in.integer(s.activeRow) && in.flag(hasBlock) &&
               in.integer(s.block.column1) && in.integer(s.block.row1) &&
               in.integer(s.block.column2) && in.integer(s.block.row2) && in.flag(editing) &&
               in.integer(s.editStart) && in.integer(s.editEnd) &&
               ((s.hasBlock = hasBlock), (s.editing = editing), true);
    }

    bool font(LineReader& in) {
        int id;
        FontSpec f;
        if (!in.integer(id) || !readFont(in, f)) return false;
        if (id == 0) {
            model_.setDefaultFont(f);
            return true;
        }
        // Ids come in order, so a font is defined before any cell uses it.
        return id == static_cast<int>(model_.fonts().size()) &&
               model_.internFont(f) == static_cast<std::uint32_t>(id);
    }

    bool type(LineReader& in) {
        int id;
        CellType t;
        if (!in.integer(id) || !readType(in, t)) return false;
        return id == static_cast<int>(model_.types().size()) &&
               model_.internType(t) == static_cast<std::uint32_t>(id);
    }

    bool cell(LineReader& in) {
        int c, r;
        if (!in.integer(c) || !in.integer(r) || !line(c, kMaxColumns) || !line(r, kMaxRows))
            return false;
        Sheet& sheet = model_.sheet();
        bool hasFormula = false;
        CellValue value;
        std::string text;
        CellFormat f;
        std::string key;
        while (!in.atEnd()) {
            if (!in.word(key)) return false;
            if (key == "f") {
                std::string formula;
                if (!in.text(formula) || c < 1 || r < 1) return false;
                if (!sheet.setFormula(c, r, formula)) {
                    refusal_ = "the formula of column " + std::to_string(c) + ", row " +
                               std::to_string(r) + " was refused: " + sheet.lastFormulaError();
                    return false;
                }
                hasFormula = true;
            } else if (key == "n") {
                if (!in.number(value.number)) return false;
                value.kind = ValueKind::Number;
            } else if (key == "s") {
                if (!in.text(text)) return false;
                value.kind = ValueKind::Text;
            } else if (key == "b") {
                int b;
                if (!in.flag(b)) return false;
                value.kind = ValueKind::Bool;
                value.number = b;
            } else if (key == "e") {
                int e;
                if (!in.integer(e) || e < 1 || e > static_cast<int>(ErrorCode::Circular))
                    return false;
                value.kind = ValueKind::Error;
                value.error = static_cast<ErrorCode>(e);
            } else if (!formatField(key, in, f)) {
                return false;
            }
        }
        value.text = text;
        if (hasFormula) {
            sheet.restoreFormulaValue(c, r, value);
        } else {
            switch (value.kind) {
            case ValueKind::Number: sheet.setNumber(c, r, value.number); break;
            case ValueKind::Text: sheet.setText(c, r, text); break;
            case ValueKind::Bool: sheet.setBool(c, r, value.number != 0); break;
            case ValueKind::Error: sheet.setError(c, r, value.error); break;
            case ValueKind::Empty: break;
            }
        }
        if (!f.isDefault()) model_.formatAt(c, r) = f;
        return true;
    }

    bool formatField(const std::string& key, LineReader& in, CellFormat& f) {
        long long v;
        if (key == "t") {
            return in.integer64(v) && v >= 1 && v < static_cast<long long>(model_.types().size()) &&
                   ((f.typeId = static_cast<std::uint32_t>(v)), true);
        }
        if (key == "fo") {
            return in.integer64(v) && v >= 1 && v < static_cast<long long>(model_.fonts().size()) &&
                   ((f.fontId = static_cast<std::uint32_t>(v)), true);
        }
        if (key == "bg" || key == "fg") {
            if (!in.integer64(v) || v < 0 || v > 0xFFFFFFFFll) return false;
            (key == "bg" ? f.backColor : f.foreColor) = static_cast<std::uint32_t>(v);
            return true;
        }
        if (key == "bd") {
            long long color;
            return in.integer(f.border.type) && in.integer(f.border.style) &&
                   in.integer64(color) && color >= 0 && color <= 0xFFFFFFFFll &&
                   ((f.border.color = static_cast<std::uint32_t>(color)), true);
        }
        if (key == "lk") {
            f.locked = true;
            return true;
        }
        if (key == "tag") return in.text(f.tag);
        if (key == "note") return in.text(f.note);
        return false;
    }

    SpreadModel& model_;
    RefStyle refStyle_ = RefStyle::Default;
    int lineNumber_ = 0;
    std::string refusal_;  // why a record was refused, when more is known than its kind
};

bool hasExtension(std::string_view path, std::string_view ext) {
    return path.size() >= ext.size() && equalsIgnoreCase(path.substr(path.size() - ext.size()), ext);
}

char plainSeparator(std::string_view path) {
    if (hasExtension(path, ".tsv")) return '\t';
    if (hasExtension(path, ".csv")) return ',';
    return 0;
}

}  // namespace

std::string writeSheetFile(SpreadModel& model) { return Writer(model).run(); }

bool readSheetFile(std::string_view bytes, SpreadModel& into, std::string* error) {
    std::string why;
    bool ok = Reader(into).run(bytes, why);
    if (!ok && error) *error = why;
    return ok;
}

bool loadSheet(SpreadModel& model, std::string_view modulePath) {
    if (modulePath.empty() || model.sheet().isCalculating()) return false;
    std::string bytes;
    if (!win::readWholeFile(win::mapPath(modulePath), bytes)) return false;
    SpreadModel staging;
    char separator = plainSeparator(modulePath);
    if (separator == ',') separator = guessCsvSeparator(bytes);
    bool ok = separator ? readPlainGrid(bytes, separator, staging)
                        : readSheetFile(bytes, staging);
    if (!ok) return false;
    model.takeContent(staging);
    model.setOption(kOptionChanged, false);
    return true;
}

bool saveSheet(SpreadModel& model, std::string_view modulePath) {
    if (modulePath.empty()) return false;
    char separator = plainSeparator(modulePath);
    std::string bytes = separator ? writePlainGrid(model, separator) : writeSheetFile(model);
    return win::writeWholeFileAtomic(win::mapPath(modulePath), bytes);
}

}  // namespace grid
