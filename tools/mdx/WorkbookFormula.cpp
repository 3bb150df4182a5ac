#include "WorkbookFormula.h"

#include <cctype>

#include "grid/BuiltinFunctions.h"

namespace {

bool isNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.' || c == '$';
}

// Copies a quoted text literal starting at in[i] ('"'), doubled quotes included.
void copyLiteral(std::string_view in, std::size_t& i, std::string& out) {
    out += in[i++];
    while (i < in.size()) {
        out += in[i];
        if (in[i++] == '"') {
            if (i < in.size() && in[i] == '"') out += in[i++];
            else return;
        }
    }
}

bool sameSheet(std::string_view named, std::string_view sheet) {
    if (named.size() >= 2 && named.front() == '\'' && named.back() == '\'')
        named = named.substr(1, named.size() - 2);
    return named == sheet;
}

// "[.A1:.B3]", "[$Sheet1.A1]" -> "A1:B3", "A1".
bool openReference(std::string_view inside, std::string_view sheet, std::string& out,
                   std::string& why) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = inside.find(':', start);
        std::string_view part = inside.substr(start, colon == std::string_view::npos
                                                         ? std::string_view::npos
                                                         : colon - start);
        const std::size_t dot = part.rfind('.');
        if (dot == std::string_view::npos) {
            why = "a reference the grid cannot read ([" + std::string(inside) + "])";
            return false;
        }
        std::string_view named = part.substr(0, dot);
        if (!named.empty() && named.front() == '$') named.remove_prefix(1);
        if (!named.empty() && !sameSheet(named, sheet)) {
            why = "a reference to another sheet ([" + std::string(inside) + "])";
            return false;
        }
        out += part.substr(dot + 1);
        if (colon == std::string_view::npos) return true;
        out += ':';
        start = colon + 1;
    }
}

bool fromOpenFormula(std::string_view in, std::string_view sheet, std::string& out,
                     std::string& why) {
    if (in.substr(0, 3) == "of:") in.remove_prefix(3);
    if (!in.empty() && in.front() == '=') in.remove_prefix(1);
    out = "=";
    for (std::size_t i = 0; i < in.size();) {
        const char c = in[i];
        if (c == '"') {
            copyLiteral(in, i, out);
        } else if (c == '[') {
            const std::size_t end = in.find(']', i);
            if (end == std::string_view::npos) {
                why = "a reference that never closes";
                return false;
            }
            if (!openReference(in.substr(i + 1, end - i - 1), sheet, out, why)) return false;
            i = end + 1;
        } else {
            out += c == ';' ? ',' : c;
            ++i;
        }
    }
    return true;
}

bool fromA1Formula(std::string_view in, std::string_view sheet, std::string& out,
                   std::string& why) {
    if (!in.empty() && in.front() == '=') in.remove_prefix(1);
    out = "=";
    for (std::size_t i = 0; i < in.size();) {
        const char c = in[i];
        if (c == '"') {
            copyLiteral(in, i, out);
            continue;
        }
        if (c == '[') {
            why = "a table reference";
            return false;
        }
        if (c == '\'') {  // a quoted sheet name: 'My sheet'!A1
            const std::size_t end = in.find('\'', i + 1);
            if (end == std::string_view::npos || end + 1 >= in.size() || in[end + 1] != '!') {
                why = "a quote the grid cannot read";
                return false;
            }
            if (!sameSheet(in.substr(i, end - i + 1), sheet)) {
                why = "a reference to another sheet (" + std::string(in.substr(i, end - i + 2)) + ")";
                return false;
            }
            i = end + 2;
            continue;
        }
        if (isNameChar(c)) {
            std::size_t end = i;
            while (end < in.size() && isNameChar(in[end])) ++end;
            std::string_view name = in.substr(i, end - i);
            if (end < in.size() && in[end] == '!') {
                if (!sameSheet(name, sheet)) {
                    why = "a reference to another sheet (" + std::string(name) + "!)";
                    return false;
                }
                i = end + 1;
                continue;
            }
            // Newer functions are written with a prefix that marks them for older programs.
            for (std::string_view prefix : {"_xlfn._xlws.", "_xlfn.", "_xlws."})
                if (name.substr(0, prefix.size()) == prefix) name.remove_prefix(prefix.size());
            out += name;
            i = end;
            continue;
        }
        out += c;
        ++i;
    }
    return true;
}

}  // namespace

bool gridFormulaOf(std::string_view formula, bool openFormula, std::string_view sheetName,
                   std::string& out, std::string& why) {
    return openFormula ? fromOpenFormula(formula, sheetName, out, why)
                       : fromA1Formula(formula, sheetName, out, why);
}

std::string unknownFunctionIn(std::string_view formula) {
    for (std::size_t i = 0; i < formula.size();) {
        if (formula[i] == '"') {
            std::string skipped;
            copyLiteral(formula, i, skipped);
            continue;
        }
        if (!std::isalpha(static_cast<unsigned char>(formula[i])) && formula[i] != '_') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < formula.size() && isNameChar(formula[end])) ++end;
        std::size_t next = end;
        while (next < formula.size() && formula[next] == ' ') ++next;
        const std::string_view name = formula.substr(i, end - i);
        if (next < formula.size() && formula[next] == '(' && grid::findBuiltin(name) < 0)
            return std::string(name);
        i = end;
    }
    return {};
}
