#include "grid/FormulaParser.h"

#include <cstring>

#include "grid/BuiltinFunctions.h"
#include "grid/CellValue.h"
#include "grid/FormulaCode.h"
#include "grid/TextRules.h"

namespace grid {

namespace {

constexpr int kMaxDepth = 200;
constexpr size_t kMaxCode = 60000;
constexpr size_t kMaxText = 32768;
// The limits are named in the messages: a sheet author must know what to shorten.
constexpr const char* kTooDeep = "formula nested too deeply (more than 200 levels of brackets "
                                 "and function calls)";
constexpr const char* kTooLong = "formula too long (its compiled form is over 60000 bytes)";

bool isLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameChar(char c) { return isLetter(c) || isDigit(c) || c == '_' || c == '.'; }

struct RefToken {
    std::uint8_t flags = 0;
    int column = 0;
    int row = 0;
};

class Parser {
public:
    Parser(std::string_view text, int column, int row, RefStyle style, FunctionNames& names,
           std::string& code)
        : text_(text), cellColumn_(column), cellRow_(row), style_(style), names_(names),
          code_(code) {}

    bool run(std::string& error) {
        code_.clear();
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == '=') ++pos_;
        skipBlanks();
        if (pos_ >= text_.size()) return fail(error, "empty formula");
        if (!expression()) return fail(error, error_);
        skipBlanks();
        if (pos_ != text_.size()) return fail(error, "unexpected text after the formula");
        if (code_.size() > kMaxCode) return fail(error, kTooLong);
        return true;
    }

private:
    static bool fail(std::string& error, const std::string& why) {
        error = why.empty() ? "syntax error" : why;
        return false;
    }

    bool setError(const char* why) {
        if (error_.empty()) error_ = why;
        return false;
    }

    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                       text_[pos_] == '\r' || text_[pos_] == '\n'))
            ++pos_;
    }
    char peek(size_t ahead = 0) const {
        return pos_ + ahead < text_.size() ? text_[pos_ + ahead] : '\0';
    }
    void emit(Op op) { code_.push_back(static_cast<char>(op)); }

    bool enter() {
        if (++depth_ > kMaxDepth) return setError(kTooDeep);
        if (code_.size() > kMaxCode) return setError(kTooLong);
        return true;
    }

    bool expression() {
        if (!enter()) return false;
        bool ok = comparison();
        --depth_;
        return ok;
    }

    bool comparison() {
        if (!concatenation()) return false;
        for (;;) {
            skipBlanks();
            Op op;
            char c = peek(), d = peek(1);
            if (c == '=') { op = Op::Equal; pos_ += 1; }
            else if (c == '<' && d == '>') { op = Op::NotEqual; pos_ += 2; }
            else if (c == '<' && d == '=') { op = Op::LessEqual; pos_ += 2; }
            else if (c == '>' && d == '=') { op = Op::GreaterEqual; pos_ += 2; }
            else if (c == '<') { op = Op::Less; pos_ += 1; }
            else if (c == '>') { op = Op::Greater; pos_ += 1; }
            else return true;
            if (!concatenation()) return false;
            emit(op);
        }
    }

    bool concatenation() {
        if (!additive()) return false;
        for (;;) {
            skipBlanks();
            if (peek() != '&') return true;
            ++pos_;
            if (!additive()) return false;
            emit(Op::Concat);
        }
    }

    bool additive() {
        if (!multiplicative()) return false;
        for (;;) {
            skipBlanks();
            char c = peek();
            if (c != '+' && c != '-') return true;
            ++pos_;
            if (!multiplicative()) return false;
            emit(c == '+' ? Op::Add : Op::Subtract);
        }
    }

    bool multiplicative() {
        if (!power()) return false;
        for (;;) {
            skipBlanks();
            char c = peek();
            if (c != '*' && c != '/') return true;
            ++pos_;
            if (!power()) return false;
            emit(c == '*' ? Op::Multiply : Op::Divide);
        }
    }

    bool power() {
        if (!unary()) return false;
        for (;;) {
            skipBlanks();
            if (peek() != '^') return true;
            ++pos_;
            if (!unary()) return false;
            emit(Op::Power);
        }
    }

    bool unary() {
        skipBlanks();
        char c = peek();
        if (c == '-' || c == '+') {
            ++pos_;
            if (!enter()) return false;
            bool ok = unary();
            --depth_;
            if (!ok) return false;
            emit(c == '-' ? Op::Negate : Op::UnaryPlus);
            return true;
        }
        if (!primary()) return false;
        for (;;) {
            skipBlanks();
            if (peek() != '%') return true;
            ++pos_;
            emit(Op::Percent);
        }
    }

    bool primary() {
        skipBlanks();
        char c = peek();
        if (c == '\0') return setError("operand expected");
        if (c == '(') {
            ++pos_;
            if (!expression()) return false;
            skipBlanks();
            if (peek() != ')') return setError("missing )");
            ++pos_;
            emit(Op::Paren);
            return true;
        }
        if (c == '"') return stringLiteral();
        if (c == '#') return errorLiteral();
        if (isDigit(c) || (c == '.' && isDigit(peek(1)))) return numberLiteral();
        if (c == '$' || isLetter(c) || c == '_') return nameOrReference();
        return setError("unexpected character");
    }

    bool numberLiteral() {
        size_t start = pos_;
        while (isDigit(peek())) ++pos_;
        if (peek() == '.') {
            ++pos_;
            while (isDigit(peek())) ++pos_;
        }
        if ((peek() == 'e' || peek() == 'E') &&
            (isDigit(peek(1)) || ((peek(1) == '+' || peek(1) == '-') && isDigit(peek(2))))) {
            pos_ += 2;
            while (isDigit(peek())) ++pos_;
        }
        double v;
        if (!fastDecimal(text_.substr(start, pos_ - start), v) &&
            !parseNumber(text_.substr(start, pos_ - start), v))
            return setError("number out of range");
        emit(Op::Number);
        char buf[8];
        std::memcpy(buf, &v, 8);
        code_.append(buf, 8);
        return true;
    }

    // Literals such as 1.000001 without an exponent and with at most 15 digits: the digits
    // and the power of ten are exact doubles, so one division rounds exactly as the full
    // decimal conversion would.
    static bool fastDecimal(std::string_view t, double& v) {
        static const double kPowers[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                         1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
        std::int64_t digits = 0;
        int count = 0, decimals = 0;
        bool point = false;
        for (char c : t) {
            if (c == '.') {
                if (point) return false;
                point = true;
                continue;
            }
            if (!isDigit(c) || ++count > 15) return false;
            digits = digits * 10 + (c - '0');
            if (point) ++decimals;
        }
        if (count == 0) return false;
        v = static_cast<double>(digits) / kPowers[decimals];
        return true;
    }

    bool stringLiteral() {
        ++pos_;
        std::string s;
        for (;;) {
            if (pos_ >= text_.size()) return setError("missing closing quote");
            char c = text_[pos_++];
            if (c == '"') {
                if (peek() == '"') {
                    s.push_back('"');
                    ++pos_;
                    continue;
                }
                break;
            }
            s.push_back(c);
        }
        if (s.size() > 0xFFFF) return setError("text too long");
        emit(Op::Text);
        writeU16(code_, static_cast<std::uint16_t>(s.size()));
        code_ += s;
        return true;
    }

    bool errorLiteral() {
        size_t start = pos_;
        ++pos_;
        while (pos_ < text_.size() && (isNameChar(text_[pos_]) || text_[pos_] == '/'))
            ++pos_;
        if (peek() == '!' || peek() == '?') ++pos_;
        ErrorCode code = errorFromText(text_.substr(start, pos_ - start));
        if (code == ErrorCode::None) return setError("unknown error value");
        emit(Op::Error);
        code_.push_back(static_cast<char>(code));
        return true;
    }

    // A1: $?letters$?digits
    bool scanA1(size_t& p, RefToken& ref) const {
        ref = RefToken();
        if (p < text_.size() && text_[p] == '$') { ref.flags |= kColumnAbsolute; ++p; }
        int col = 0, letters = 0;
        while (p < text_.size() && isLetter(text_[p])) {
            if (++letters > 3) return false;
            col = col * 26 + (toUpperAscii(text_[p]) - 'A' + 1);
            ++p;
        }
        if (letters == 0) return false;
        if (p < text_.size() && text_[p] == '$') { ref.flags |= kRowAbsolute; ++p; }
        long row = 0;
        int digits = 0;
        while (p < text_.size() && isDigit(text_[p])) {
            row = row * 10 + (text_[p] - '0');
            if (++digits > 8) return false;
            ++p;
        }
        if (digits == 0 || row < 1 || row > kMaxRows || col > kMaxColumns) return false;
        ref.column = col;
        ref.row = static_cast<int>(row);
        return true;
    }

    // One R1C1 part: "R" or "C", then nothing (same), digits (absolute) or [offset].
    bool scanR1C1Part(size_t& p, char letter, bool& absolute, long& value) const {
        if (p >= text_.size() || toUpperAscii(text_[p]) != letter) return false;
        ++p;
        absolute = false;
        value = 0;
        if (p < text_.size() && text_[p] == '[') {
            ++p;
            bool negative = false;
            if (p < text_.size() && (text_[p] == '-' || text_[p] == '+')) {
                negative = text_[p] == '-';
                ++p;
            }
            int digits = 0;
            while (p < text_.size() && isDigit(text_[p])) {
                value = value * 10 + (text_[p] - '0');
                if (++digits > 8) return false;
                ++p;
            }
            if (digits == 0 || p >= text_.size() || text_[p] != ']') return false;
            ++p;
            if (negative) value = -value;
            return true;
        }
        int digits = 0;
        while (p < text_.size() && isDigit(text_[p])) {
            value = value * 10 + (text_[p] - '0');
            if (++digits > 8) return false;
            ++p;
        }
        if (digits > 0) {
            absolute = true;
            if (value < 1) return false;
        }
        return true;
    }

    bool scanR1C1(size_t& p, RefToken& ref) const {
        ref = RefToken();
        bool rowAbs, colAbs;
        long row, col;
        if (!scanR1C1Part(p, 'R', rowAbs, row)) return false;
        if (!scanR1C1Part(p, 'C', colAbs, col)) return false;
        ref.flags = static_cast<std::uint8_t>((rowAbs ? kRowAbsolute : 0) |
                                              (colAbs ? kColumnAbsolute : 0));
        ref.row = static_cast<int>(rowAbs ? row : cellRow_ + row);
        ref.column = static_cast<int>(colAbs ? col : cellColumn_ + col);
        return true;
    }

    // A reference ends where a name could not go on; "LOG10(" is a call, not cell LOG10.
    bool endsReference(size_t p) const {
        if (p >= text_.size()) return true;
        char c = text_[p];
        return !(isNameChar(c) || c == '(' || c == '$' || c == '[');
    }

    bool scanReference(size_t& p, RefToken& ref) const {
        size_t q = p;
        bool r1c1First = style_ == RefStyle::R1C1;
        for (int attempt = 0; attempt < 2; ++attempt) {
            bool useR1C1 = (attempt == 0) == r1c1First;
            if (useR1C1 && style_ == RefStyle::A1) continue;
            q = p;
            bool ok = useR1C1 ? scanR1C1(q, ref) : scanA1(q, ref);
            if (ok && endsReference(q)) {
                p = q;
                return true;
            }
        }
        return false;
    }

    bool emitReference(const RefToken& a, const RefToken* b) {
        auto corner = [&](const RefToken& t) {
            CodeCorner k = makeCorner(t.flags, t.column, t.row, cellColumn_, cellRow_);
            if (t.column < 1 || t.row < 1 || t.column > kMaxColumns || t.row > kMaxRows)
                k.flags |= kReferenceDeleted;
            return k;
        };
        if (b == nullptr) {
            emit(Op::CellValue);
            writeCorner(code_, corner(a));
        } else {
            emit(Op::RangeRef);
            writeCorner(code_, corner(a));
            writeCorner(code_, corner(*b));
        }
        return true;
    }

    bool nameOrReference() {
        RefToken first;
        size_t p = pos_;
        if (scanReference(p, first)) {
            pos_ = p;
            size_t save = pos_;
            skipBlanks();
            if (peek() == ':') {
                ++pos_;
                skipBlanks();
                RefToken second;
                size_t q = pos_;
                if (scanReference(q, second)) {
                    pos_ = q;
                    return emitReference(first, &second);
                }
                return setError("incomplete range");
            }
            pos_ = save;
            return emitReference(first, nullptr);
        }
        if (peek() == '$') return setError("bad reference");
        size_t start = pos_;
        while (isNameChar(peek())) ++pos_;
        std::string_view name = text_.substr(start, pos_ - start);
        skipBlanks();
        if (peek() == '(') return call(name);
        if (equalsIgnoreCase(name, "TRUE") || equalsIgnoreCase(name, "FALSE")) {
            emit(Op::Bool);
            code_.push_back(toUpperAscii(name[0]) == 'T' ? 1 : 0);
            return true;
        }
        if (name.size() > 255) return setError("name too long");
        emit(Op::Name);
        writeU16(code_, static_cast<std::uint16_t>(name.size()));
        code_.append(name);
        return true;
    }

    // One argument; a lone reference stays a reference so functions can see blocks and
    // empty cells.
    bool argument() {
        skipBlanks();
        if (peek() == ',' || peek() == ';' || peek() == ')') {
            emit(Op::Missing);
            return true;
        }
        size_t start = code_.size();
        if (!expression()) return false;
        if (code_.size() - start == 1 + kCornerBytes &&
            static_cast<Op>(code_[start]) == Op::CellValue)
            code_[start] = static_cast<char>(Op::CellRef);
        return true;
    }

    bool call(std::string_view name) {
        ++pos_;  // '('
        if (!enter()) return false;
        int id = findBuiltin(name);
        bool isIf = id == ifFunctionId() && id >= 0;
        int count = 0;
        size_t ifTest = 0, ifJump = 0;
        skipBlanks();
        if (peek() == ')') {
            ++pos_;
        } else {
            for (;;) {
                if (isIf && count == 1) {
                    ifTest = code_.size();
                    emit(Op::IfTest);
                    writeU16(code_, 0);
                    writeU16(code_, 0);
                } else if (isIf && count == 2) {
                    ifJump = code_.size();
                    emit(Op::IfJump);
                    writeU16(code_, 0);
                    patch(ifTest + 1, code_.size());
                }
                if (!argument()) return false;
                ++count;
                if (count > 255) return setError("too many arguments");
                skipBlanks();
                char c = peek();
                if (c == ',' || c == ';') {
                    ++pos_;
                    continue;
                }
                if (c == ')') {
                    ++pos_;
                    break;
                }
                return setError("missing ) after arguments");
            }
        }
        --depth_;
        if (id >= 0) {
            const BuiltinFunction& f = builtin(id);
            if (count < f.minArgs || count > f.maxArgs)
                return setError("wrong number of arguments");
            if (isIf) return finishIf(count, ifTest, ifJump);
            emit(Op::Call);
            writeU16(code_, static_cast<std::uint16_t>(id));
            code_.push_back(static_cast<char>(count));
            return true;
        }
        int slot = names_.customSlot(name);
        if (slot < 0 || slot > 0xFFFF) return setError("too many function names");
        emit(Op::CallCustom);
        writeU16(code_, static_cast<std::uint16_t>(slot));
        code_.push_back(static_cast<char>(count));
        return true;
    }

    bool finishIf(int count, size_t ifTest, size_t ifJump) {
        if (count == 2) {
            ifJump = code_.size();
            emit(Op::IfJump);
            writeU16(code_, 0);
            patch(ifTest + 1, code_.size());
            emit(Op::ImplicitFalse);
        }
        patch(ifTest + 3, code_.size());
        patch(ifJump + 1, code_.size());
        emit(Op::IfEnd);
        code_.push_back(static_cast<char>(count));
        return true;
    }

    void patch(size_t at, size_t target) {
        std::uint16_t v = static_cast<std::uint16_t>(target > 0xFFFF ? 0xFFFF : target);
        std::memcpy(&code_[at], &v, 2);
    }

    std::string_view text_;
    size_t pos_ = 0;
    int cellColumn_, cellRow_;
    RefStyle style_;
    FunctionNames& names_;
    std::string& code_;
    std::string error_;
    int depth_ = 0;
};

}  // namespace

bool parseFormulaInto(std::string_view text, int cellColumn, int cellRow, RefStyle style,
                      FunctionNames& names, std::string& code, std::string& error) {
    if (text.size() > kMaxText) {
        error = "formula too long (more than 32768 characters)";
        return false;
    }
    return Parser(text, cellColumn, cellRow, style, names, code).run(error);
}

ParseResult parseFormula(std::string_view text, int cellColumn, int cellRow, RefStyle style,
                         FunctionNames& names) {
    ParseResult result;
    result.ok = parseFormulaInto(text, cellColumn, cellRow, style, names, result.code, result.error);
    return result;
}

}  // namespace grid
