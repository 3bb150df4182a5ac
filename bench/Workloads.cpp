#include "Workloads.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string_view>
#include <vector>

#include "grid/Sheet.h"
#include "grid/SpreadApi.h"
#include "win/Window.h"

namespace bench {

namespace {

using Clock = std::chrono::steady_clock;

// All formula texts in one buffer: the input should not weigh more than the engine.
class TextList {
public:
    void add(const std::string& text) {
        starts_.push_back(static_cast<std::uint32_t>(bytes_.size()));
        bytes_ += text;
    }
    std::string_view operator[](size_t i) const {
        size_t end = i + 1 < starts_.size() ? starts_[i + 1] : bytes_.size();
        return std::string_view(bytes_).substr(starts_[i], end - starts_[i]);
    }
    size_t size() const { return starts_.size(); }

private:
    std::string bytes_;
    std::vector<std::uint32_t> starts_;
};

double since(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string formatCheck(double v) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.6g", v);
    return buf;
}

constexpr int kRows = 100000;

void chain(WorkloadResult& out, bool prepareOnly) {
    TextList texts;
    for (int i = 2; i <= kRows; ++i) texts.add("=A" + std::to_string(i - 1) + "*1.000001+1");
    if (prepareOnly) return;
    auto start = Clock::now();
    double check;
    {
        grid::Sheet sheet;
        sheet.setNumber(1, 1, 1);
        for (int i = 2; i <= kRows; ++i) sheet.setFormula(1, i, texts[static_cast<size_t>(i - 2)]);
        sheet.recalculateAll();
        out.milliseconds = since(start);
        check = sheet.value(1, kRows).number;
    }
    out.check = formatCheck(check);
}

void fanIn(WorkloadResult& out, bool prepareOnly) {
    TextList sums, ds;
    for (int i = 1000; i <= kRows; i += 1000) sums.add("=SUM(B1:B" + std::to_string(i) + ")");
    for (int i = 1; i <= kRows; ++i) {
        std::string b = "B" + std::to_string(i);
        ds.add("=" + b + "*2+SQRT(" + b + ")");
    }
    if (prepareOnly) return;
    auto start = Clock::now();
    grid::Sheet sheet;
    for (int i = 1; i <= kRows; ++i) sheet.setNumber(2, i, i * 0.5);
    for (int k = 0; k < 100; ++k) sheet.setFormula(3, (k + 1) * 1000, sums[static_cast<size_t>(k)]);
    for (int i = 1; i <= kRows; ++i) sheet.setFormula(4, i, ds[static_cast<size_t>(i - 1)]);
    sheet.recalculateAll();
    out.milliseconds = since(start);
    double sumD = 0, sumC = 0;
    for (int i = 1; i <= kRows; ++i) sumD += sheet.value(4, i).number;
    for (int k = 1; k <= 100; ++k) sumC += sheet.value(3, k * 1000).number;
    out.check = formatCheck(sumD) + "|" + formatCheck(sumC);
}

void setAndRead(WorkloadResult& out, bool prepareOnly) {
    constexpr int kSteps = 20000;
    TextList texts;
    for (int k = 2; k <= kSteps; ++k) {
        std::string prev = "E" + std::to_string(k - 1);
        texts.add("=" + prev + "+IF(" + prev + ">1000,-1000," + std::to_string(k) + "*0.25)");
    }
    if (prepareOnly) return;
    auto start = Clock::now();
    grid::Sheet sheet;
    sheet.setNumber(5, 1, 0);
    double last = 0;
    for (int k = 2; k <= kSteps; ++k) {
        sheet.setFormula(5, k, texts[static_cast<size_t>(k - 2)]);
        last = sheet.value(5, k).number;
    }
    out.milliseconds = since(start);
    out.check = formatCheck(last);
}

bool myFn(void*, grid::CustomCall& call) {
    if (call.count != 2) return false;
    const grid::CustomArg& x = call.args[0];
    const grid::CustomArg& y = call.args[1];
    if (x.kind != grid::ValueKind::Number || y.kind != grid::ValueKind::Number) return false;
    call.result.setNumber(x.number * y.number + 1);
    return true;
}

void customFunction(WorkloadResult& out, bool prepareOnly) {
    TextList texts;
    for (int i = 1; i <= kRows; ++i) texts.add("=MYFN(" + std::to_string(i) + ",2)");
    if (prepareOnly) return;
    auto start = Clock::now();
    grid::Sheet sheet;
    sheet.addCustomFunction("MYFN", 2, 2, myFn, nullptr, 0);
    for (int i = 1; i <= kRows; ++i) sheet.setFormula(6, i, texts[static_cast<size_t>(i - 1)]);
    sheet.recalculateAll();
    out.milliseconds = since(start);
    double sum = 0;
    for (int i = 1; i <= kRows; ++i) sum += sheet.value(6, i).number;
    out.check = formatCheck(sum);
}

BOOL myFnRecord(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    if (count != 2) return FALSE;
    double xy[2];
    for (int i = 0; i < 2; ++i) {
        if (args[i].status != SS_VALUE_OK) return FALSE;
        if (args[i].kind == SS_KIND_LONG) xy[i] = static_cast<double>(args[i].value.lValue);
        else if (args[i].kind == SS_KIND_DOUBLE) xy[i] = args[i].value.dfValue;
        else return FALSE;
    }
    result->status = SS_VALUE_OK;
    result->kind = SS_KIND_DOUBLE;
    result->value.dfValue = xy[0] * xy[1] + 1;
    return TRUE;
}

// W4 again, through a grid window and its calls: the cost of the calculation-value records.
void customFunctionThroughWindow(WorkloadResult& out, bool prepareOnly) {
    TextList texts;
    for (int i = 1; i <= kRows; ++i) texts.add("=MYFN(" + std::to_string(i) + ",2)");
    SSRegisterSpreadClass();
    if (prepareOnly) return;
    std::string formula;
    auto start = Clock::now();
    HWND grid = CreateWindowEx(0, kSpreadClassName, nullptr, 0, 0, 0, 400, 300, nullptr, nullptr,
                               nullptr, nullptr);
    SSSetMaxCols(grid, 6);
    SSSetMaxRows(grid, kRows);
    SSAddCustomFunctionExt(grid, "MYFN", 2, 2, myFnRecord, 0);
    for (int i = 1; i <= kRows; ++i) {
        formula.assign(texts[static_cast<size_t>(i - 1)]);
        SSSetFormula(grid, 6, i, formula.c_str(), FALSE);
    }
    SSReCalc(grid);
    out.milliseconds = since(start);
    double sum = 0;
    for (int i = 1; i <= kRows; ++i) {
        double v = 0;
        SSGetFloat(grid, 6, i, &v);
        sum += v;
    }
    DestroyWindow(grid);
    out.check = formatCheck(sum);
}

}  // namespace

bool runWorkload(const std::string& name, WorkloadResult& result, bool prepareOnly) {
    if (name == "W1") chain(result, prepareOnly);
    else if (name == "W2") fanIn(result, prepareOnly);
    else if (name == "W3") setAndRead(result, prepareOnly);
    else if (name == "W4") customFunction(result, prepareOnly);
    else if (name == "W4w") customFunctionThroughWindow(result, prepareOnly);
    else return false;
    return true;
}

}  // namespace bench
