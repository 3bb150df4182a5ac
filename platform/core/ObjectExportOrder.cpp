#include "core/ObjectExportOrder.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "core/LetterCase.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitRunEnd(std::string_view s, std::size_t i) {
    while (i < s.size() && isDigit(s[i])) ++i;
    return i;
}

// Compares two digit runs by value without converting them (runs may be longer than any
// integer type).
int compareDigitRuns(std::string_view a, std::string_view b) {
    const auto significant = [](std::string_view run) {
        const std::size_t first = run.find_first_not_of('0');
        return first == std::string_view::npos ? std::string_view() : run.substr(first);
    };
    const std::string_view x = significant(a), y = significant(b);
    if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
    const int c = x.compare(y);
    if (c != 0) return c < 0 ? -1 : 1;
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return 0;
}

int compareNaturalFolded(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a[i]) && isDigit(b[j])) {
            const std::size_t ei = digitRunEnd(a, i), ej = digitRunEnd(b, j);
            const int c = compareDigitRuns(a.substr(i, ei - i), b.substr(j, ej - j));
            if (c != 0) return c;
            i = ei, j = ej;
            continue;
        }
        const auto x = static_cast<unsigned char>(lowerLetter(a[i]));
        const auto y = static_cast<unsigned char>(lowerLetter(b[j]));
        if (x != y) return x < y ? -1 : 1;
        ++i, ++j;
    }
    if (i == a.size() && j == b.size()) return 0;
    return i == a.size() ? -1 : 1;
}

// Not-a-number goes last, so the order stays strict and weak whatever the values are.
bool numberBefore(double x, double y) {
    if (std::isnan(x)) return false;
    if (std::isnan(y)) return true;
    return x < y;
}

std::vector<int> sortedOrder(const AcArray<double>& values) {
    std::vector<int> order(static_cast<std::size_t>(values.length()));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int x, int y) { return numberBefore(values[x], values[y]); });
    return order;
}

template <typename T>
void applyOrder(AcArray<T>& items, const std::vector<int>& order) {
    std::vector<T> sorted;
    sorted.reserve(order.size());
    for (int from : order) sorted.push_back(items[from]);
    for (std::size_t k = 0; k < sorted.size(); ++k) items[static_cast<int>(k)] = sorted[k];
}

}  // namespace

void ObjectExportSort(AcArray<double>& values) {
    applyOrder(values, sortedOrder(values));
}

bool ObjectExportSort(AcArray<double>& values, AcArray<int>& indices) {
    if (indices.length() != values.length()) return false;
    const std::vector<int> order = sortedOrder(values);
    applyOrder(values, order);
    applyOrder(indices, order);
    return true;
}

int compareNatural(const Mdx_String& a, const Mdx_String& b) {
    const int c = compareNaturalFolded(a.view(), b.view());
    if (c != 0) return c;
    return a.compare(b, true);
}

int ObjectExportAddToSorted(const Mdx_StringArray& sorted, const Mdx_String& item) {
    int position = 0;
    for (int i = 0; i < sorted.length(); ++i)
        if (compareNatural(sorted[i], item) <= 0) position = i + 1;
    return position;
}
