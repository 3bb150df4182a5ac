#include "core/macro/DerivedFormula.h"

#include <cctype>
#include <cmath>

#include "core/NumberText.h"

namespace {

// Deep enough for any formula a person writes; deeper nesting is refused, not recursed into.
constexpr int kMaxNesting = 64;

class FormulaParser {
public:
    FormulaParser(std::string_view text, const FormulaNameResolver& resolve)
        : text_(text), resolve_(resolve) {}

    bool parse(double& result, std::string& message) {
        if (sum(result, 0)) {
            skipBlanks();
            if (pos_ != text_.size())
                fail("unexpected \"" + std::string(text_.substr(pos_, 1)) + "\"");
            else if (!std::isfinite(result))
                fail("the result is not a finite number");
        }
        message = error_;
        return error_.empty();
    }

private:
    bool fail(const std::string& message) {
        if (error_.empty()) error_ = message;
        return false;
    }
    void skipBlanks() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
    }
    bool accept(char c) {
        skipBlanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool sum(double& value, int depth) {
        if (!product(value, depth)) return false;
        for (;;) {
            double right = 0;
            if (accept('+')) {
                if (!product(right, depth)) return false;
                value += right;
            } else if (accept('-')) {
                if (!product(right, depth)) return false;
                value -= right;
            } else {
                return true;
            }
        }
    }
    bool product(double& value, int depth) {
        if (!factor(value, depth)) return false;
        for (;;) {
            double right = 0;
            if (accept('*')) {
                if (!factor(right, depth)) return false;
                value *= right;
            } else if (accept('/')) {
                if (!factor(right, depth)) return false;
                if (right == 0) return fail("division by zero");
                value /= right;
            } else {
                return true;
            }
        }
    }
    bool factor(double& value, int depth) {
        if (depth > kMaxNesting) return fail("the formula is nested too deeply");
        if (accept('-')) {
            if (!factor(value, depth + 1)) return false;
            value = -value;
            return true;
        }
        if (accept('(')) {
            if (!sum(value, depth + 1)) return false;
            return accept(')') || fail("a \")\" is missing");
        }
        skipBlanks();
        if (pos_ >= text_.size()) return fail("the formula ends too early");
        const unsigned char c = static_cast<unsigned char>(text_[pos_]);
        if (std::isdigit(c) || c == '.') return number(value);
        if (std::isalpha(c) || c == '_') return name(value);
        return fail("unexpected \"" + std::string(1, static_cast<char>(c)) + "\"");
    }
    bool number(double& value) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isdigit(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '.'))
            ++pos_;
        const std::string_view digits = text_.substr(start, pos_ - start);
        if (!isNumberText(digits)) return fail("\"" + std::string(digits) + "\" is no number");
        value = leadingDouble(digits);
        return true;
    }
    bool name(double& value) {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) ||
                                       text_[pos_] == '_' || text_[pos_] == '.'))
            ++pos_;
        const std::string_view word = text_.substr(start, pos_ - start);
        if (!resolve_(Mdx_String(word.data(), static_cast<int>(word.size())), value))
            return fail("unknown name \"" + std::string(word) + "\"");
        return true;
    }

    std::string_view text_;
    const FormulaNameResolver& resolve_;
    std::size_t pos_ = 0;
    std::string error_;
};

}  // namespace

bool evaluateDerivedFormula(const Mdx_String& formula, const FormulaNameResolver& resolve,
                            double& result, std::string& message) {
    double value = 0;
    FormulaParser parser(formula.view(), resolve);
    if (!parser.parse(value, message)) return false;
    result = value;
    return true;
}
