#include "grid/Evaluator.h"

#include <cmath>

#include "grid/BuiltinFunctions.h"
#include "grid/FormulaStore.h"
#include "grid/TextRules.h"

namespace grid {

CellValue Evaluator::cellValue(int column, int row) const {
    return sheet_.storedValue(column, row);
}

void Evaluator::fromCell(Operand& op, const CellValue& v) {
    op.isReference = false;
    op.kind = v.kind;
    op.error = v.error;
    op.number = v.number + 0.0;  // no negative zero (see Operand::setNumber)
    if (v.kind == ValueKind::Text) op.text.assign(v.text);
}

void Evaluator::dereference(Operand& op) const {
    if (!op.isReference) return;
    if (!op.rect.isSingleCell()) {
        op.setError(ErrorCode::Value);
        return;
    }
    fromCell(op, cellValue(op.rect.column1, op.rect.row1));
}

bool Evaluator::toNumber(const Operand& op, double& out, ErrorCode& error) {
    switch (op.kind) {
    case ValueKind::Empty: out = 0; return true;
    case ValueKind::Number:
    case ValueKind::Bool: out = op.number; return true;
    case ValueKind::Text:
        if (parseNumber(op.text, out)) return true;
        error = ErrorCode::Value;
        return false;
    case ValueKind::Error: error = op.error; return false;
    }
    return false;
}

bool Evaluator::toBool(const Operand& op, bool& out, ErrorCode& error) {
    switch (op.kind) {
    case ValueKind::Empty: out = false; return true;
    case ValueKind::Number:
    case ValueKind::Bool: out = op.number != 0; return true;
    case ValueKind::Text:
        if (equalsIgnoreCase(op.text, "TRUE")) { out = true; return true; }
        if (equalsIgnoreCase(op.text, "FALSE")) { out = false; return true; }
        error = ErrorCode::Value;
        return false;
    case ValueKind::Error: error = op.error; return false;
    }
    return false;
}

void Evaluator::toText(const Operand& op, std::string& out) {
    switch (op.kind) {
    case ValueKind::Empty: out.clear(); return;
    case ValueKind::Number: out.clear(); appendNumber(out, op.number); return;
    case ValueKind::Bool: out = op.number != 0 ? "TRUE" : "FALSE"; return;
    case ValueKind::Text: out = op.text; return;
    case ValueKind::Error: out = errorText(op.error); return;
    }
}

void Evaluator::run(const Formula& formula, int column, int row, Operand& result) {
    column_ = column;
    row_ = row;
    top_ = 0;
    const std::string& code = formula.code;
    const char* base = code.data();
    size_t size = code.size();
    size_t pos = 0;
    while (pos < size) {
        const char* p = base + pos;
        Op op = static_cast<Op>(*p);
        switch (op) {
        case Op::Number: push().setNumber(readF64(p + 1)); break;
        case Op::Text: push().setText(std::string_view(p + 3, readU16(p + 1))); break;
        case Op::Bool: push().setBool(p[1] != 0); break;
        case Op::Error: push().setError(static_cast<ErrorCode>(p[1])); break;
        case Op::Name: push().setError(ErrorCode::Name); break;
        case Op::Missing: {
            Operand& o = push();
            o.setEmpty();
            o.missing = true;
            break;
        }
        case Op::CellValue:
        case Op::CellRef:
        case Op::RangeRef: {
            CellRect rect;
            CodeReference ref{static_cast<std::uint32_t>(pos), op == Op::RangeRef};
            Operand& o = push();
            if (!resolveReference(code, ref, column, row, rect)) {
                o.setError(ErrorCode::Ref);
            } else if (op == Op::CellValue) {
                fromCell(o, cellValue(rect.column1, rect.row1));
            } else {
                o.setReference(rect);
            }
            break;
        }
        case Op::Negate:
        case Op::UnaryPlus:
        case Op::Percent: unary(op); break;
        case Op::Paren: break;
        case Op::Equal:
        case Op::NotEqual:
        case Op::Less:
        case Op::LessEqual:
        case Op::Greater:
        case Op::GreaterEqual: compare(op); break;
        case Op::Call: callBuiltin(readU16(p + 1), static_cast<unsigned char>(p[3])); break;
        case Op::CallCustom: callCustom(readU16(p + 1), static_cast<unsigned char>(p[3])); break;
        case Op::IfTest: {
            Operand& c = stack_[top_ - 1];
            dereference(c);
            bool truth = false;
            ErrorCode error = ErrorCode::None;
            if (!toBool(c, truth, error)) {
                c.setError(error);
                pos = readU16(p + 3);  // IfEnd: the error is the result
                continue;
            }
            --top_;
            if (!truth) {
                pos = readU16(p + 1);
                continue;
            }
            break;
        }
        case Op::IfJump: pos = readU16(p + 1); continue;
        case Op::ImplicitFalse: push().setBool(false); break;
        case Op::IfEnd: dereference(stack_[top_ - 1]); break;
        default: binary(op); break;
        }
        pos += instructionSize(p);
    }
    if (top_ == 0) {
        result.setEmpty();
        return;
    }
    Operand& last = stack_[top_ - 1];
    dereference(last);
    result.kind = last.kind;
    result.error = last.error;
    result.number = last.number;
    result.isReference = false;
    if (last.kind == ValueKind::Text) result.text.swap(last.text);
}

void Evaluator::unary(Op op) {
    Operand& a = stack_[top_ - 1];
    dereference(a);
    double v;
    ErrorCode error = ErrorCode::None;
    if (!toNumber(a, v, error)) {
        a.setError(error);
        return;
    }
    if (op == Op::Negate) v = -v;
    else if (op == Op::Percent) v /= 100;
    a.setNumber(v);
}

void Evaluator::binary(Op op) {
    Operand& a = stack_[top_ - 2];
    Operand& b = stack_[top_ - 1];
    --top_;
    dereference(a);
    dereference(b);
    if (op == Op::Concat) {
        if (a.isError()) return;
        if (b.isError()) { a.setError(b.error); return; }
        std::string right;
        toText(b, right);
        std::string left;
        toText(a, left);
        left += right;
        a.setText(left);
        return;
    }
    double x, y;
    ErrorCode error = ErrorCode::None;
    if (!toNumber(a, x, error) || !toNumber(b, y, error)) {
        a.setError(error);
        return;
    }
    double r = 0;
    switch (op) {
    case Op::Add: r = x + y; break;
    case Op::Subtract: r = x - y; break;
    case Op::Multiply: r = x * y; break;
    case Op::Divide:
        if (y == 0) { a.setError(ErrorCode::Div0); return; }
        r = x / y;
        break;
    case Op::Power:
        if (x == 0 && y < 0) { a.setError(ErrorCode::Div0); return; }
        r = std::pow(x, y);
        break;
    default: break;
    }
    if (!std::isfinite(r)) {
        a.setError(ErrorCode::Num);
        return;
    }
    a.setNumber(r);
}

namespace {
// Empty < numbers < texts < booleans; an empty cell compares as 0 with a number, "" with
// a text and FALSE with a boolean.
int rank(ValueKind k) {
    switch (k) {
    case ValueKind::Number: return 1;
    case ValueKind::Text: return 2;
    case ValueKind::Bool: return 3;
    default: return 0;
    }
}
}  // namespace

void Evaluator::compare(Op op) {
    Operand& a = stack_[top_ - 2];
    Operand& b = stack_[top_ - 1];
    --top_;
    dereference(a);
    dereference(b);
    if (a.isError()) return;
    if (b.isError()) { a.setError(b.error); return; }
    if (a.kind == ValueKind::Empty && b.kind != ValueKind::Empty) {
        a.kind = b.kind;
        a.number = 0;
        a.text.clear();
    } else if (b.kind == ValueKind::Empty && a.kind != ValueKind::Empty) {
        b.kind = a.kind;
        b.number = 0;
        b.text.clear();
    }
    int c;
    if (rank(a.kind) != rank(b.kind)) c = rank(a.kind) < rank(b.kind) ? -1 : 1;
    else if (a.kind == ValueKind::Text) c = compareIgnoreCase(a.text, b.text);
    else c = a.number < b.number ? -1 : (a.number > b.number ? 1 : 0);
    bool r = false;
    switch (op) {
    case Op::Equal: r = c == 0; break;
    case Op::NotEqual: r = c != 0; break;
    case Op::Less: r = c < 0; break;
    case Op::LessEqual: r = c <= 0; break;
    case Op::Greater: r = c > 0; break;
    case Op::GreaterEqual: r = c >= 0; break;
    default: break;
    }
    a.setBool(r);
}

void Evaluator::callBuiltin(int id, int count) {
    Operand* args = stack_.data() + (top_ - static_cast<size_t>(count));
    Operand result;
    builtin(id).impl(*this, args, count, result);
    top_ -= static_cast<size_t>(count);
    Operand& out = push();
    out.kind = result.kind;
    out.error = result.error;
    out.number = result.number;
    out.isReference = result.isReference;
    out.rect = result.rect;
    if (result.kind == ValueKind::Text && !result.isReference) out.text.swap(result.text);
}

void Evaluator::callCustom(int slot, int count) {
    size_t first = top_ - static_cast<size_t>(count);
    // The registration may change while the callback runs (it may register functions).
    const Sheet::CustomEntry& registered = sheet_.customs_[static_cast<size_t>(slot)];
    CustomCallback callback = registered.callback;
    void* context = registered.context;
    bool countFits = count >= registered.minArgs && count <= registered.maxArgs;
    bool passReferences = (registered.flags & kPassReferences) != 0;
    std::vector<CustomArg>& args = customArgs_;
    args.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        Operand& o = stack_[first + static_cast<size_t>(i)];
        CustomArg& a = args[static_cast<size_t>(i)];
        a.isReference = false;
        a.text.clear();
        if (o.isReference && passReferences) {
            a.isReference = true;
            a.rect = o.rect;
            continue;
        }
        if (o.isReference) {
            // Without references a block passes the value of its first cell.
            fromCell(o, cellValue(o.rect.column1, o.rect.row1));
        }
        a.kind = o.kind;
        a.error = o.error;
        a.number = o.number;
        if (o.kind == ValueKind::Text) a.text = o.text;
    }
    top_ = first;
    CustomResult result;
    bool handled = false;
    if (callback != nullptr && countFits) {
        CustomCall call{sheet_, column_, row_, args.data(), count, result};
        handled = callback(context, call);
    }
    Operand& out = push();
    if (callback == nullptr) out.setError(ErrorCode::Name);
    else if (!handled) out.setError(ErrorCode::Value);
    else {
        out.kind = result.kind;
        out.error = result.error;
        out.number = result.number;
        if (result.kind == ValueKind::Text) out.text.swap(result.text);
    }
}

}  // namespace grid
