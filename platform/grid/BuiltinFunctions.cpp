#include "grid/BuiltinFunctions.h"

#include <cfloat>
#include <cmath>
#include <string>
#include <unordered_map>

#include "grid/BuiltinArgs.h"
#include "grid/Evaluator.h"
#include "grid/TextRules.h"

namespace grid {

namespace {

using namespace builtins;

// Numbers of all arguments: blocks give their number cells (texts and booleans in cells are
// skipped), direct values are converted. The first error met is the result.
template <class Take>
bool collectNumbers(Evaluator& ev, Args args, int count, Operand& result, Take&& take) {
    for (int i = 0; i < count; ++i) {
        Operand& a = args[i];
        if (a.missing) continue;
        if (a.isReference) {
            ErrorCode error = ErrorCode::None;
            ev.forEachCell(a.rect, [&](const CellValue& v) {
                if (error != ErrorCode::None) return;
                if (v.kind == ValueKind::Number) take(v.number);
                else if (v.kind == ValueKind::Error) error = v.error;
            });
            if (error != ErrorCode::None) {
                result.setError(error);
                return false;
            }
            continue;
        }
        double v;
        if (!number(ev, a, v, result)) return false;
        take(v);
    }
    return true;
}

// ---- aggregates -------------------------------------------------------------------------

void fnSum(Evaluator& ev, Args args, int count, Operand& result) {
    double sum = 0;
    if (collectNumbers(ev, args, count, result, [&](double v) { sum += v; })) finish(result, sum);
}

void fnProduct(Evaluator& ev, Args args, int count, Operand& result) {
    double p = 1;
    bool any = false;
    if (collectNumbers(ev, args, count, result, [&](double v) { p *= v; any = true; }))
        finish(result, any ? p : 0);
}

void fnMin(Evaluator& ev, Args args, int count, Operand& result) {
    double m = 0;
    bool any = false;
    if (collectNumbers(ev, args, count, result, [&](double v) {
            if (!any || v < m) m = v;
            any = true;
        }))
        finish(result, m);
}

void fnMax(Evaluator& ev, Args args, int count, Operand& result) {
    double m = 0;
    bool any = false;
    if (collectNumbers(ev, args, count, result, [&](double v) {
            if (!any || v > m) m = v;
            any = true;
        }))
        finish(result, m);
}

void fnAverage(Evaluator& ev, Args args, int count, Operand& result) {
    double sum = 0;
    int n = 0;
    if (!collectNumbers(ev, args, count, result, [&](double v) { sum += v; ++n; })) return;
    if (n == 0) result.setError(ErrorCode::Div0);
    else finish(result, sum / n);
}

void fnCount(Evaluator& ev, Args args, int count, Operand& result) {
    double n = 0;
    for (int i = 0; i < count; ++i) {
        Operand& a = args[i];
        if (a.isReference) {
            ev.forEachCell(a.rect, [&](const CellValue& v) {
                if (v.kind == ValueKind::Number) ++n;
            });
            continue;
        }
        double v;
        ErrorCode error;
        if (!a.missing && a.kind != ValueKind::Empty && Evaluator::toNumber(a, v, error)) ++n;
    }
    result.setNumber(n);
}

void fnCountA(Evaluator& ev, Args args, int count, Operand& result) {
    double n = 0;
    for (int i = 0; i < count; ++i) {
        Operand& a = args[i];
        if (a.isReference) {
            ev.forEachCell(a.rect, [&](const CellValue&) { ++n; });
        } else if (!a.missing && a.kind != ValueKind::Empty) {
            ++n;
        }
    }
    result.setNumber(n);
}

// ---- arithmetic -------------------------------------------------------------------------

template <double (*F)(double)>
void unaryMath(Evaluator& ev, Args args, int, Operand& result) {
    double x;
    if (number(ev, args[0], x, result)) finish(result, F(x));
}

double absOf(double x) { return std::fabs(x); }
double intOf(double x) { return std::floor(x); }
double expOf(double x) { return std::exp(x); }
double sinOf(double x) { return std::sin(x); }
double cosOf(double x) { return std::cos(x); }
double tanOf(double x) { return std::tan(x); }
double atanOf(double x) { return std::atan(x); }
double degreesOf(double x) { return x * 180.0 / M_PI; }
double radiansOf(double x) { return x * M_PI / 180.0; }
double signOf(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

void fnSqrt(Evaluator& ev, Args args, int, Operand& result) {
    double x;
    if (!number(ev, args[0], x, result)) return;
    if (x < 0) result.setError(ErrorCode::Num);
    else result.setNumber(std::sqrt(x));
}

void fnLn(Evaluator& ev, Args args, int, Operand& result) {
    double x;
    if (!number(ev, args[0], x, result)) return;
    if (x <= 0) result.setError(ErrorCode::Num);
    else result.setNumber(std::log(x));
}

void fnLog10(Evaluator& ev, Args args, int, Operand& result) {
    double x;
    if (!number(ev, args[0], x, result)) return;
    if (x <= 0) result.setError(ErrorCode::Num);
    else result.setNumber(std::log10(x));
}

void fnLog(Evaluator& ev, Args args, int count, Operand& result) {
    double x, base;
    if (!number(ev, args[0], x, result)) return;
    if (!optionalNumber(ev, args, count, 1, 10, base, result)) return;
    if (x <= 0 || base <= 0) result.setError(ErrorCode::Num);
    else if (base == 1) result.setError(ErrorCode::Div0);
    else finish(result, std::log(x) / std::log(base));
}

void fnAsin(Evaluator& ev, Args args, int, Operand& result) {
    double x;
    if (!number(ev, args[0], x, result)) return;
    if (x < -1 || x > 1) result.setError(ErrorCode::Num);
    else result.setNumber(std::asin(x));
}

void fnAcos(Evaluator& ev, Args args, int, Operand& result) {
    double x;
    if (!number(ev, args[0], x, result)) return;
    if (x < -1 || x > 1) result.setError(ErrorCode::Num);
    else result.setNumber(std::acos(x));
}

void fnAtan2(Evaluator& ev, Args args, int, Operand& result) {
    double x, y;
    if (!number(ev, args[0], x, result) || !number(ev, args[1], y, result)) return;
    if (x == 0 && y == 0) result.setError(ErrorCode::Div0);
    else result.setNumber(std::atan2(y, x));
}

void fnPi(Evaluator&, Args, int, Operand& result) { result.setNumber(M_PI); }

void fnPower(Evaluator& ev, Args args, int, Operand& result) {
    double x, y;
    if (!number(ev, args[0], x, result) || !number(ev, args[1], y, result)) return;
    if (x == 0 && y < 0) result.setError(ErrorCode::Div0);
    else finish(result, std::pow(x, y));
}

void fnMod(Evaluator& ev, Args args, int, Operand& result) {
    double a, b;
    if (!number(ev, args[0], a, result) || !number(ev, args[1], b, result)) return;
    if (b == 0) result.setError(ErrorCode::Div0);
    else finish(result, a - b * std::floor(a / b));
}

// Decimal scaling loses a few units in the last place (2.675 * 100 = 267.4999...); nudging
// the magnitude by a few epsilons rounds the way the decimal text reads.
constexpr double kNudge = 4 * DBL_EPSILON;

bool scaleArgs(Evaluator& ev, Args args, int count, double& x, double& factor,
               Operand& result) {
    double digits;
    if (!number(ev, args[0], x, result)) return false;
    if (!optionalNumber(ev, args, count, 1, 0, digits, result)) return false;
    digits = std::trunc(digits);
    if (digits > 300 || digits < -300) {
        result.setError(ErrorCode::Num);
        return false;
    }
    factor = std::pow(10.0, digits);
    return true;
}

void fnRound(Evaluator& ev, Args args, int count, Operand& result) {
    double x, f;
    if (!scaleArgs(ev, args, count, x, f, result)) return;
    double m = std::round(std::fabs(x) * f * (1 + kNudge)) / f;
    finish(result, std::copysign(m, x));
}

void fnRoundUp(Evaluator& ev, Args args, int count, Operand& result) {
    double x, f;
    if (!scaleArgs(ev, args, count, x, f, result)) return;
    double m = std::ceil(std::fabs(x) * f * (1 - kNudge)) / f;
    finish(result, std::copysign(m, x));
}

void fnRoundDown(Evaluator& ev, Args args, int count, Operand& result) {
    double x, f;
    if (!scaleArgs(ev, args, count, x, f, result)) return;
    double m = std::floor(std::fabs(x) * f * (1 + kNudge)) / f;
    finish(result, std::copysign(m, x));
}

void fnTrunc(Evaluator& ev, Args args, int count, Operand& result) {
    double x, f;
    if (!scaleArgs(ev, args, count, x, f, result)) return;
    finish(result, std::copysign(std::floor(std::fabs(x) * f * (1 + kNudge)) / f, x));
}

void multipleOf(Evaluator& ev, Args args, int count, Operand& result, bool up) {
    double x, step;
    if (!number(ev, args[0], x, result)) return;
    if (!optionalNumber(ev, args, count, 1, 1, step, result)) return;
    if (step == 0) {
        result.setNumber(0);
        return;
    }
    if (x > 0 && step < 0) {
        result.setError(ErrorCode::Num);
        return;
    }
    double q = x / step;
    double n = up ? std::ceil(q * (1 - kNudge * (q > 0 ? 1 : -1)))
                  : std::floor(q * (1 + kNudge * (q > 0 ? 1 : -1)));
    // n * step carries the binary error of step (3 * 0.1); 15 digits is what was meant.
    double cleaned = n * step;
    parseNumber(formatNumber(cleaned), cleaned);
    finish(result, cleaned);
}

void fnCeiling(Evaluator& ev, Args args, int count, Operand& result) {
    multipleOf(ev, args, count, result, true);
}
void fnFloor(Evaluator& ev, Args args, int count, Operand& result) {
    multipleOf(ev, args, count, result, false);
}

// ---- logic ------------------------------------------------------------------------------

void logical(Evaluator& ev, Args args, int count, Operand& result, bool isAnd) {
    bool acc = isAnd;
    bool any = false;
    for (int i = 0; i < count; ++i) {
        Operand& a = args[i];
        if (a.missing) continue;
        if (a.isReference) {
            ErrorCode error = ErrorCode::None;
            ev.forEachCell(a.rect, [&](const CellValue& v) {
                if (v.kind == ValueKind::Error && error == ErrorCode::None) error = v.error;
                if (v.kind == ValueKind::Number || v.kind == ValueKind::Bool) {
                    any = true;
                    acc = isAnd ? (acc && v.number != 0) : (acc || v.number != 0);
                }
            });
            if (error != ErrorCode::None) {
                result.setError(error);
                return;
            }
            continue;
        }
        bool b;
        if (!truth(ev, a, b, result)) return;
        any = true;
        acc = isAnd ? (acc && b) : (acc || b);
    }
    if (!any) result.setError(ErrorCode::Value);
    else result.setBool(acc);
}

void fnAnd(Evaluator& ev, Args args, int count, Operand& result) {
    logical(ev, args, count, result, true);
}
void fnOr(Evaluator& ev, Args args, int count, Operand& result) {
    logical(ev, args, count, result, false);
}
void fnNot(Evaluator& ev, Args args, int, Operand& result) {
    bool b;
    if (truth(ev, args[0], b, result)) result.setBool(!b);
}
void fnTrue(Evaluator&, Args, int, Operand& result) { result.setBool(true); }
void fnFalse(Evaluator&, Args, int, Operand& result) { result.setBool(false); }
void fnIfUnused(Evaluator&, Args, int, Operand& result) { result.setError(ErrorCode::Value); }

void fnIsBlank(Evaluator& ev, Args args, int, Operand& result) {
    ev.dereference(args[0]);
    result.setBool(args[0].kind == ValueKind::Empty);
}
void fnIsNumber(Evaluator& ev, Args args, int, Operand& result) {
    ev.dereference(args[0]);
    result.setBool(args[0].kind == ValueKind::Number);
}
void fnIsText(Evaluator& ev, Args args, int, Operand& result) {
    ev.dereference(args[0]);
    result.setBool(args[0].kind == ValueKind::Text);
}
void fnIsError(Evaluator& ev, Args args, int, Operand& result) {
    ev.dereference(args[0]);
    result.setBool(args[0].kind == ValueKind::Error);
}
void fnIsNa(Evaluator& ev, Args args, int, Operand& result) {
    ev.dereference(args[0]);
    result.setBool(args[0].kind == ValueKind::Error && args[0].error == ErrorCode::NA);
}
void fnIfError(Evaluator& ev, Args args, int, Operand& result) {
    ev.dereference(args[0]);
    Operand& pick = args[0].kind == ValueKind::Error ? args[1] : args[0];
    ev.dereference(pick);
    result = pick;
}
void fnNa(Evaluator&, Args, int, Operand& result) { result.setError(ErrorCode::NA); }

// ---- text -------------------------------------------------------------------------------

void fnConcatenate(Evaluator& ev, Args args, int count, Operand& result) {
    std::string out, part;
    for (int i = 0; i < count; ++i) {
        if (!text(ev, args[i], part, result)) return;
        out += part;
    }
    result.setText(out);
}

bool count(Evaluator& ev, Args args, int n, int index, double fallback, size_t& out,
           Operand& result) {
    double v;
    if (!optionalNumber(ev, args, n, index, fallback, v, result)) return false;
    if (v < 0) {
        result.setError(ErrorCode::Value);
        return false;
    }
    out = v > 1e9 ? static_cast<size_t>(1e9) : static_cast<size_t>(v);
    return true;
}

void fnLeft(Evaluator& ev, Args args, int n, Operand& result) {
    std::string s;
    size_t k;
    if (!text(ev, args[0], s, result) || !count(ev, args, n, 1, 1, k, result)) return;
    result.setText(s.substr(0, k));
}

void fnRight(Evaluator& ev, Args args, int n, Operand& result) {
    std::string s;
    size_t k;
    if (!text(ev, args[0], s, result) || !count(ev, args, n, 1, 1, k, result)) return;
    result.setText(k >= s.size() ? s : s.substr(s.size() - k));
}

void fnMid(Evaluator& ev, Args args, int n, Operand& result) {
    std::string s;
    double start;
    size_t k;
    if (!text(ev, args[0], s, result) || !number(ev, args[1], start, result) ||
        !count(ev, args, n, 2, 0, k, result))
        return;
    if (start < 1) {
        result.setError(ErrorCode::Value);
        return;
    }
    size_t from = start > 1e9 ? s.size() : static_cast<size_t>(start) - 1;
    result.setText(from >= s.size() ? std::string() : s.substr(from, k));
}

void fnLen(Evaluator& ev, Args args, int, Operand& result) {
    std::string s;
    if (text(ev, args[0], s, result)) result.setNumber(static_cast<double>(s.size()));
}

void fnUpper(Evaluator& ev, Args args, int, Operand& result) {
    std::string s;
    if (text(ev, args[0], s, result)) result.setText(upperAscii(s));
}

void fnLower(Evaluator& ev, Args args, int, Operand& result) {
    std::string s;
    if (!text(ev, args[0], s, result)) return;
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    result.setText(s);
}

void fnTrim(Evaluator& ev, Args args, int, Operand& result) {
    std::string s, out;
    if (!text(ev, args[0], s, result)) return;
    for (char c : s) {
        if (c == ' ' && (out.empty() || out.back() == ' ')) continue;
        out += c;
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    result.setText(out);
}

void findText(Evaluator& ev, Args args, int n, Operand& result, bool ignoreCase) {
    std::string needle, hay;
    double start;
    if (!text(ev, args[0], needle, result) || !text(ev, args[1], hay, result) ||
        !optionalNumber(ev, args, n, 2, 1, start, result))
        return;
    if (start < 1 || start > static_cast<double>(hay.size()) + 1) {
        result.setError(ErrorCode::Value);
        return;
    }
    if (ignoreCase) {
        needle = upperAscii(needle);
        hay = upperAscii(hay);
    }
    size_t at = hay.find(needle, static_cast<size_t>(start) - 1);
    if (at == std::string::npos) result.setError(ErrorCode::Value);
    else result.setNumber(static_cast<double>(at + 1));
}

void fnFind(Evaluator& ev, Args args, int n, Operand& result) {
    findText(ev, args, n, result, false);
}
void fnSearch(Evaluator& ev, Args args, int n, Operand& result) {
    findText(ev, args, n, result, true);
}

void fnSubstitute(Evaluator& ev, Args args, int n, Operand& result) {
    std::string s, from, to;
    double instance;
    if (!text(ev, args[0], s, result) || !text(ev, args[1], from, result) ||
        !text(ev, args[2], to, result) || !optionalNumber(ev, args, n, 3, 0, instance, result))
        return;
    if (n > 3 && instance < 1) {
        result.setError(ErrorCode::Value);
        return;
    }
    if (from.empty()) {
        result.setText(s);
        return;
    }
    std::string out;
    size_t pos = 0;
    int seen = 0;
    for (;;) {
        size_t at = s.find(from, pos);
        if (at == std::string::npos) break;
        ++seen;
        out.append(s, pos, at - pos);
        if (n <= 3 || seen == toIndex(instance)) out += to;
        else out += from;
        pos = at + from.size();
    }
    out.append(s, pos, std::string::npos);
    result.setText(out);
}

void fnValue(Evaluator& ev, Args args, int, Operand& result) {
    ev.dereference(args[0]);
    Operand& a = args[0];
    if (a.isError()) {
        result.setError(a.error);
        return;
    }
    double v;
    if (a.kind == ValueKind::Number) result.setNumber(a.number);
    else if (a.kind == ValueKind::Empty) result.setNumber(0);
    else if (a.kind == ValueKind::Text && parseNumber(a.text, v)) result.setNumber(v);
    else result.setError(ErrorCode::Value);
}

// ---- look-up ----------------------------------------------------------------------------

void fnChoose(Evaluator& ev, Args args, int n, Operand& result) {
    double i;
    if (!number(ev, args[0], i, result)) return;
    int k = toIndex(i);
    if (k < 1 || k >= n) {
        result.setError(ErrorCode::Value);
        return;
    }
    result = args[k];
}

// Position (0-based) of key in a line of cells, or -1: exact, or the last entry not
// greater (mode 1) / not smaller (mode -1) in a sorted line.
int findInLine(Evaluator& ev, const CellRect& line, const Operand& key, int mode) {
    bool vertical = line.column1 == line.column2;
    int length = vertical ? line.row2 - line.row1 + 1 : line.column2 - line.column1 + 1;
    int found = -1;
    for (int i = 0; i < length; ++i) {
        CellValue v = vertical ? ev.cellValue(line.column1, line.row1 + i)
                               : ev.cellValue(line.column1 + i, line.row1);
        if (v.kind == ValueKind::Empty) {
            if (mode == 0) continue;
            break;
        }
        int c = lookupCompare(v, key);
        if (mode == 0) {
            if (c == 0) return i;
        } else if (mode > 0) {
            if (c > 0) break;
            found = i;
        } else {
            if (c < 0) break;
            found = i;
        }
    }
    return found;
}

void fnMatch(Evaluator& ev, Args args, int n, Operand& result) {
    double type;
    if (!lookupKey(ev, args[0], result)) return;
    if (!args[1].isReference) {
        result.setError(ErrorCode::NA);
        return;
    }
    if (!optionalNumber(ev, args, n, 2, 1, type, result)) return;
    const CellRect& r = args[1].rect;
    if (r.column1 != r.column2 && r.row1 != r.row2) {
        result.setError(ErrorCode::NA);
        return;
    }
    int mode = type > 0 ? 1 : (type < 0 ? -1 : 0);
    int at = findInLine(ev, r, args[0], mode);
    if (at < 0) result.setError(ErrorCode::NA);
    else result.setNumber(at + 1);
}

void tableLookup(Evaluator& ev, Args args, int n, Operand& result, bool vertical) {
    if (!lookupKey(ev, args[0], result)) return;
    if (!args[1].isReference) {
        result.setError(ErrorCode::NA);
        return;
    }
    double index;
    bool approximate = true;
    if (!number(ev, args[2], index, result)) return;
    if (n > 3 && !args[3].missing && !truth(ev, args[3], approximate, result)) return;
    const CellRect& t = args[1].rect;
    int k = toIndex(index);
    int span = vertical ? t.column2 - t.column1 + 1 : t.row2 - t.row1 + 1;
    if (k < 1) {
        result.setError(ErrorCode::Value);
        return;
    }
    if (k > span) {
        result.setError(ErrorCode::Ref);
        return;
    }
    CellRect line = vertical ? CellRect{t.column1, t.row1, t.column1, t.row2}
                             : CellRect{t.column1, t.row1, t.column2, t.row1};
    int at = findInLine(ev, line, args[0], approximate ? 1 : 0);
    if (at < 0) {
        result.setError(ErrorCode::NA);
        return;
    }
    CellValue v = vertical ? ev.cellValue(t.column1 + k - 1, t.row1 + at)
                           : ev.cellValue(t.column1 + at, t.row1 + k - 1);
    Evaluator::fromCell(result, v);
}

void fnVlookup(Evaluator& ev, Args args, int n, Operand& result) {
    tableLookup(ev, args, n, result, true);
}
void fnHlookup(Evaluator& ev, Args args, int n, Operand& result) {
    tableLookup(ev, args, n, result, false);
}

void fnIndex(Evaluator& ev, Args args, int n, Operand& result) {
    if (!args[0].isReference) {
        result.setError(ErrorCode::Ref);
        return;
    }
    const CellRect t = args[0].rect;
    double rowArg, colArg;
    if (!number(ev, args[1], rowArg, result)) return;
    bool oneRow = t.row1 == t.row2;
    double colFallback = 0;
    if (n < 3 && oneRow && t.column1 != t.column2) {
        colArg = rowArg;  // INDEX(A1:E1, 3) counts along the row
        rowArg = 1;
    } else if (!optionalNumber(ev, args, n, 2, colFallback, colArg, result)) {
        return;
    }
    int r = toIndex(rowArg), c = toIndex(colArg);
    int rows = t.row2 - t.row1 + 1, cols = t.column2 - t.column1 + 1;
    if (r < 0 || c < 0 || r > rows || c > cols) {
        result.setError(ErrorCode::Ref);
        return;
    }
    if (c == 0 && cols == 1) c = 1;
    if (r == 0 && rows == 1) r = 1;
    CellRect out = t;
    if (r > 0) out.row1 = out.row2 = t.row1 + r - 1;
    if (c > 0) out.column1 = out.column2 = t.column1 + c - 1;
    result.setReference(out);
}

// ---- the table --------------------------------------------------------------------------

constexpr int kMany = 255;

const BuiltinFunction kFunctions[] = {
    {"SUM", 1, kMany, fnSum},
    {"PRODUCT", 1, kMany, fnProduct},
    {"MIN", 1, kMany, fnMin},
    {"MAX", 1, kMany, fnMax},
    {"AVERAGE", 1, kMany, fnAverage},
    {"COUNT", 1, kMany, fnCount},
    {"COUNTA", 1, kMany, fnCountA},
    {"COUNTIF", 2, 2, fnCountIf},
    {"SUMIF", 2, 3, fnSumIf},
    {"AVERAGEIF", 2, 3, fnAverageIf},
    {"SUMPRODUCT", 1, kMany, fnSumProduct},
    {"ABS", 1, 1, unaryMath<absOf>},
    {"ROUND", 1, 2, fnRound},
    {"ROUNDUP", 1, 2, fnRoundUp},
    {"ROUNDDOWN", 1, 2, fnRoundDown},
    {"INT", 1, 1, unaryMath<intOf>},
    {"TRUNC", 1, 2, fnTrunc},
    {"MOD", 2, 2, fnMod},
    {"SQRT", 1, 1, fnSqrt},
    {"POWER", 2, 2, fnPower},
    {"EXP", 1, 1, unaryMath<expOf>},
    {"LN", 1, 1, fnLn},
    {"LOG", 1, 2, fnLog},
    {"LOG10", 1, 1, fnLog10},
    {"PI", 0, 0, fnPi},
    {"SIN", 1, 1, unaryMath<sinOf>},
    {"COS", 1, 1, unaryMath<cosOf>},
    {"TAN", 1, 1, unaryMath<tanOf>},
    {"ASIN", 1, 1, fnAsin},
    {"ACOS", 1, 1, fnAcos},
    {"ATAN", 1, 1, unaryMath<atanOf>},
    {"ATAN2", 2, 2, fnAtan2},
    {"DEGREES", 1, 1, unaryMath<degreesOf>},
    {"RADIANS", 1, 1, unaryMath<radiansOf>},
    {"SIGN", 1, 1, unaryMath<signOf>},
    {"CEILING", 1, 2, fnCeiling},
    {"FLOOR", 1, 2, fnFloor},
    {"IF", 2, 3, fnIfUnused},
    {"AND", 1, kMany, fnAnd},
    {"OR", 1, kMany, fnOr},
    {"NOT", 1, 1, fnNot},
    {"TRUE", 0, 0, fnTrue},
    {"FALSE", 0, 0, fnFalse},
    {"ISBLANK", 1, 1, fnIsBlank},
    {"ISNUMBER", 1, 1, fnIsNumber},
    {"ISTEXT", 1, 1, fnIsText},
    {"ISERROR", 1, 1, fnIsError},
    {"ISNA", 1, 1, fnIsNa},
    {"IFERROR", 2, 2, fnIfError},
    {"IFS", 2, kMany, fnIfs},
    {"NA", 0, 0, fnNa},
    {"CONCATENATE", 1, kMany, fnConcatenate},
    {"LEFT", 1, 2, fnLeft},
    {"RIGHT", 1, 2, fnRight},
    {"MID", 3, 3, fnMid},
    {"LEN", 1, 1, fnLen},
    {"UPPER", 1, 1, fnUpper},
    {"LOWER", 1, 1, fnLower},
    {"TRIM", 1, 1, fnTrim},
    {"FIND", 2, 3, fnFind},
    {"SEARCH", 2, 3, fnSearch},
    {"SUBSTITUTE", 3, 4, fnSubstitute},
    {"VALUE", 1, 1, fnValue},
    {"TEXT", 2, 2, fnText},
    {"CHOOSE", 2, kMany, fnChoose},
    {"INDEX", 2, 3, fnIndex},
    {"MATCH", 2, 3, fnMatch},
    {"VLOOKUP", 3, 4, fnVlookup},
    {"HLOOKUP", 3, 4, fnHlookup},
    {"XLOOKUP", 3, 6, fnXlookup},
};

}  // namespace

int builtins::lookupCompare(const CellValue& cell, const Operand& key) {
    auto rank = [](ValueKind k) {
        return k == ValueKind::Number ? 1 : k == ValueKind::Text ? 2 : k == ValueKind::Bool ? 3 : 4;
    };
    int a = rank(cell.kind), b = rank(key.kind);
    if (a != b) return a < b ? -1 : 1;
    if (cell.kind == ValueKind::Text) return compareIgnoreCase(cell.text, key.text);
    return cell.number < key.number ? -1 : (cell.number > key.number ? 1 : 0);
}

int findBuiltin(std::string_view name) {
    // Parsing looks names up once per call in every formula; a map beats a scan.
    static const std::unordered_map<std::string, int> byName = [] {
        std::unordered_map<std::string, int> m;
        for (int i = 0; i < static_cast<int>(std::size(kFunctions)); ++i) m[kFunctions[i].name] = i;
        return m;
    }();
    if (name.size() > 15) return -1;  // longer than any built-in name
    char upper[16];
    for (size_t i = 0; i < name.size(); ++i) upper[i] = toUpperAscii(name[i]);
    auto it = byName.find(std::string(upper, name.size()));
    return it == byName.end() ? -1 : it->second;
}

const BuiltinFunction& builtin(int id) { return kFunctions[id]; }

int ifFunctionId() {
    static const int id = findBuiltin("IF");
    return id;
}

}  // namespace grid
