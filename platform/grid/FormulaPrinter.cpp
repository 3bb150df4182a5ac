#include "grid/FormulaPrinter.h"

#include <vector>

#include "grid/BuiltinFunctions.h"
#include "grid/CellValue.h"
#include "grid/FormulaCode.h"
#include "grid/TextRules.h"

namespace grid {

namespace {

const char* binaryText(Op op) {
    switch (op) {
    case Op::Add: return "+";
    case Op::Subtract: return "-";
    case Op::Multiply: return "*";
    case Op::Divide: return "/";
    case Op::Power: return "^";
    case Op::Concat: return "&";
    case Op::Equal: return "=";
    case Op::NotEqual: return "<>";
    case Op::Less: return "<";
    case Op::LessEqual: return "<=";
    case Op::Greater: return ">";
    case Op::GreaterEqual: return ">=";
    default: return nullptr;
    }
}

class Printer {
public:
    Printer(int column, int row, RefStyle style, const FunctionNames& names)
        : column_(column), row_(row), style_(style), names_(names) {}

    std::string run(const std::string& code) {
        const char* base = code.data();
        for (size_t pos = 0; pos < code.size(); pos += instructionSize(base + pos))
            step(base + pos);
        std::string out = "=";
        if (!stack_.empty()) out += stack_.back();
        return out;
    }

private:
    void corner(std::string& out, const CodeCorner& k) {
        if (k.flags & kReferenceDeleted) {
            out += "#REF!";
            return;
        }
        int c = cornerColumn(k, column_), r = cornerRow(k, row_);
        if (style_ == RefStyle::R1C1) {
            out += 'R';
            part(out, k.flags & kRowAbsolute, k.row, r);
            out += 'C';
            part(out, k.flags & kColumnAbsolute, k.column, c);
            return;
        }
        if (k.flags & kColumnAbsolute) out += '$';
        appendColumnLetters(out, c);
        if (k.flags & kRowAbsolute) out += '$';
        out += std::to_string(r);
    }

    static void part(std::string& out, bool absolute, int stored, int resolved) {
        if (absolute) {
            out += std::to_string(resolved);
        } else if (stored != 0) {
            out += '[';
            out += std::to_string(stored);
            out += ']';
        }
    }

    std::string pop() {
        if (stack_.empty()) return std::string();
        std::string s = std::move(stack_.back());
        stack_.pop_back();
        return s;
    }

    void args(std::string name, int count) {
        std::vector<std::string> parts(static_cast<size_t>(count));
        for (int i = count - 1; i >= 0; --i) parts[static_cast<size_t>(i)] = pop();
        name += '(';
        for (int i = 0; i < count; ++i) {
            if (i) name += ',';
            name += parts[static_cast<size_t>(i)];
        }
        name += ')';
        stack_.push_back(std::move(name));
    }

    void step(const char* p) {
        Op op = static_cast<Op>(p[0]);
        std::string s;
        switch (op) {
        case Op::Number: appendExactNumber(s, readF64(p + 1)); break;
        case Op::Text:
            s += '"';
            for (char c : std::string_view(p + 3, readU16(p + 1))) {
                if (c == '"') s += '"';
                s += c;
            }
            s += '"';
            break;
        case Op::Bool: s = p[1] ? "TRUE" : "FALSE"; break;
        case Op::Error: s = errorText(static_cast<ErrorCode>(p[1])); break;
        case Op::Name: s.assign(p + 3, readU16(p + 1)); break;
        case Op::Missing: break;
        case Op::CellValue:
        case Op::CellRef: corner(s, readCorner(p + 1)); break;
        case Op::RangeRef: {
            CodeCorner a = readCorner(p + 1), b = readCorner(p + 1 + kCornerBytes);
            if ((a.flags | b.flags) & kReferenceDeleted) {
                s = "#REF!";  // a block that lost its cells reads as one error
                break;
            }
            corner(s, a);
            s += ':';
            corner(s, b);
            break;
        }
        case Op::Negate: stack_.push_back("-" + pop()); return;
        case Op::UnaryPlus: stack_.push_back("+" + pop()); return;
        case Op::Percent: stack_.push_back(pop() + "%"); return;
        case Op::Paren: stack_.push_back("(" + pop() + ")"); return;
        case Op::Call: args(builtin(readU16(p + 1)).name, static_cast<unsigned char>(p[3])); return;
        case Op::CallCustom:
            args(std::string(names_.customName(readU16(p + 1))), static_cast<unsigned char>(p[3]));
            return;
        case Op::IfTest:
        case Op::IfJump:
        case Op::ImplicitFalse: return;
        case Op::IfEnd: args("IF", static_cast<unsigned char>(p[1])); return;
        default: {
            const char* text = binaryText(op);
            if (!text) return;
            std::string right = pop();
            std::string left = pop();
            stack_.push_back(left + text + right);
            return;
        }
        }
        stack_.push_back(std::move(s));
    }

    int column_, row_;
    RefStyle style_;
    const FunctionNames& names_;
    std::vector<std::string> stack_;
};

}  // namespace

std::string printFormula(const std::string& code, int cellColumn, int cellRow, RefStyle style,
                         const FunctionNames& names) {
    return Printer(cellColumn, cellRow, style, names).run(code);
}

}  // namespace grid
