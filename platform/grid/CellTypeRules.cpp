#include "grid/CellTypeRules.h"

#include <cmath>
#include <cstdio>

#include "grid/TextRules.h"

namespace grid {

namespace {

Entry accept(ValueKind kind, double number = 0, std::string_view text = {}) {
    Entry e;
    e.accepted = true;
    e.kind = kind;
    e.number = number;
    e.text.assign(text);
    return e;
}

std::string withoutSeparators(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ',') out += c;
    return out;
}

double roundTo(double v, int decimals) {
    double f = std::pow(10.0, decimals);
    double r = std::round(std::fabs(v) * f * (1 + 4e-16)) / f;
    return std::copysign(r, v) == 0 ? 0 : std::copysign(r, v);
}

Entry numberEntry(const CellType& type, std::string_view text, EntryForm form, bool whole) {
    std::string plain = form == EntryForm::Data ? withoutSeparators(text) : std::string(text);
    double v;
    if (!parseNumber(plain, v)) return Entry();
    v = whole ? std::round(v) : roundTo(v, type.decimals);
    if (v < type.minimum || v > type.maximum) return Entry();
    return accept(ValueKind::Number, v);
}

bool isBlank(std::string_view text) {
    for (char c : text)
        if (c != ' ' && c != '\t') return false;
    return true;
}

std::string generalText(const CellValue& value) {
    switch (value.kind) {
    case ValueKind::Empty: return std::string();
    case ValueKind::Number: return formatNumber(value.number);
    case ValueKind::Bool: return value.number != 0 ? "TRUE" : "FALSE";
    case ValueKind::Text: return std::string(value.text);
    case ValueKind::Error: return std::string(errorText(value.error));
    }
    return std::string();
}

std::string typedText(const CellType& type, const CellValue& value, bool separator) {
    switch (type.code) {
    case kTypeNumber:
        if (value.kind == ValueKind::Number)
            return fixedNumber(value.number, type.decimals, separator && type.separator);
        break;
    case kTypeInteger:
        if (value.kind == ValueKind::Number) return fixedNumber(value.number, 0, false);
        break;
    case kTypeCheckBox:
        if (value.kind == ValueKind::Empty) return "0";
        if (value.kind == ValueKind::Number || value.kind == ValueKind::Bool)
            return value.number != 0 ? "1" : "0";
        break;
    case kTypeButton:
        if (value.kind == ValueKind::Empty) return type.text;
        break;
    default: break;
    }
    return generalText(value);
}

}  // namespace

std::string fixedNumber(double value, int decimals, bool separator) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, roundTo(value, decimals));
    std::string s = buf;
    if (s == "-0" || (s.size() > 1 && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos))
        s.erase(0, 1);  // no "-0.00"
    if (!separator) return s;
    size_t start = s[0] == '-' ? 1 : 0;
    size_t point = s.find('.');
    size_t intEnd = point == std::string::npos ? s.size() : point;
    for (size_t i = intEnd; i > start + 3; i -= 3) s.insert(i - 3, ",");
    return s;
}

Entry interpretEntry(const CellType& type, std::string_view text, EntryForm form) {
    switch (type.code) {
    case kTypeNumber:
        if (isBlank(text)) return accept(ValueKind::Empty);
        return numberEntry(type, text, form, false);
    case kTypeInteger:
        if (isBlank(text)) return accept(ValueKind::Empty);
        return numberEntry(type, text, form, true);
    case kTypeCheckBox: {
        if (isBlank(text)) return accept(ValueKind::Empty);
        double v;
        if (parseNumber(text, v)) return accept(ValueKind::Number, v != 0 ? 1 : 0);
        if (equalsIgnoreCase(text, "TRUE")) return accept(ValueKind::Number, 1);
        if (equalsIgnoreCase(text, "FALSE")) return accept(ValueKind::Number, 0);
        return Entry();
    }
    case kTypeGeneral: {
        if (text.empty()) return accept(ValueKind::Empty);
        double v;
        if (parseNumber(text, v)) return accept(ValueKind::Number, v);
        return accept(ValueKind::Text, 0, text);
    }
    default:
        if (text.empty()) return accept(ValueKind::Empty);
        return accept(ValueKind::Text, 0, text);
    }
}

bool takesTyping(const CellType& type) {
    switch (type.code) {
    case kTypeStatic:
    case kTypeButton:
    case kTypePicture:
    case kTypeCheckBox: return false;
    default: return true;
    }
}

bool typingAccepts(const CellType& type, std::string_view current, char c) {
    if (!takesTyping(type) || static_cast<unsigned char>(c) < 32) return false;
    switch (type.code) {
    case kTypeInteger: return (c >= '0' && c <= '9') || c == '-' || c == '+';
    case kTypeNumber:
        return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == ',' ||
               c == 'e' || c == 'E';
    case kTypeEdit:
        return type.maxLength <= 0 || current.size() < static_cast<size_t>(type.maxLength);
    default: return true;
    }
}

std::vector<std::string_view> comboItems(const CellType& type) {
    std::vector<std::string_view> items;
    std::string_view rest = type.text;
    while (!rest.empty()) {
        const size_t tab = rest.find('\t');
        items.push_back(rest.substr(0, tab));
        if (tab == std::string_view::npos) break;
        rest.remove_prefix(tab + 1);
    }
    return items;
}

Entry interpretTyped(const CellType& type, std::string_view text) {
    if (!takesTyping(type)) return Entry();
    if (type.code == kTypeEdit && type.maxLength > 0 &&
        text.size() > static_cast<size_t>(type.maxLength))
        return Entry();
    if (type.code == kTypeCombo && !(type.style & kComboEditable) && !text.empty()) {
        for (std::string_view item : comboItems(type))
            if (equalsIgnoreCase(item, text)) return interpretEntry(type, item, EntryForm::Data);
        return Entry();
    }
    return interpretEntry(type, text, EntryForm::Data);
}

std::string dataText(const CellType& type, const CellValue& value) {
    return typedText(type, value, true);
}

std::string valueText(const CellType& type, const CellValue& value) {
    return typedText(type, value, false);
}

}  // namespace grid
