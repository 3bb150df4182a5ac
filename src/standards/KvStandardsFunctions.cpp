#include "standards/KvStandardsFunctions.h"

#include <cmath>
#include <iterator>

#include "core/GlobalStrings.h"
#include "core/Mdx_Array.h"
#include "core/Mdx_Settings.h"
#include "core/Mdx_StringArray.h"
#include "core/ObjectExportOrder.h"
#include "core/ObjectExportRounding.h"
#include "core/StringHelpers.h"
#include "core/sections/Mdx_SectionTableManager.h"
#include "grid/SpreadApi.h"
#include "spread/Mdx_Spread.h"
#include "standards/KvStandardSize.h"
#include "standards/KvStandardsDataFile.h"
#include "win/GlobalMemory.h"
#include "win/MessageBox.h"

namespace {

// ---- Arguments ---------------------------------------------------------------------------

bool argIsEmpty(const SSCALCVALUE& arg) {
    return arg.status == SS_VALUE_NONE;
}

bool argNumber(const SSCALCVALUE& arg, double& number) {
    if (arg.status != SS_VALUE_OK) return false;
    if (arg.kind == SS_KIND_LONG)
        number = static_cast<double>(arg.value.lValue);
    else if (arg.kind == SS_KIND_DOUBLE)
        number = arg.value.dfValue;
    else
        return false;
    return true;
}

// Quotes around a text are the formula's, not the text's.
bool argText(const SSCALCVALUE& arg, Mdx_String& text) {
    if (arg.status != SS_VALUE_OK || arg.kind != SS_KIND_TEXT) return false;
    if (!getGlobalStr(arg.value.hText, text)) return false;
    if (text.at(0) == '"') text.remove(0, 1);
    if (text.length() > 0 && text.at(text.length() - 1) == '"') text.remove(text.length() - 1, 1);
    return true;
}

// Counts from 1 in the formula become indices from 0; fractions are cut off first.
int argIndex(double number) {
    const double whole = std::trunc(number);
    if (!(whole >= -2147483647.0)) return -1;  // also NaN
    if (whole > 2147483647.0) return 2147483646;
    return static_cast<int>(whole) - 1;
}

// ---- Results -----------------------------------------------------------------------------

BOOL notHandled(LPSSCALCVALUE result) {
    result->status = SS_VALUE_NONE;
    result->kind = SS_KIND_LONG;
    result->value.lValue = 0;
    return FALSE;
}

BOOL setNumber(LPSSCALCVALUE result, double number) {
    result->status = SS_VALUE_OK;
    result->kind = SS_KIND_DOUBLE;
    result->value.dfValue = number;
    return TRUE;
}

BOOL setBool(LPSSCALCVALUE result, bool on) {
    return setNumber(result, on ? 1 : 0);
}

BOOL setText(LPSSCALCVALUE result, const Mdx_String& text) {
    notHandled(result);
    if (text.isEmpty()) return TRUE;  // an empty text is an empty result, still an answer
    HGLOBAL block = setGlobalStr(text);
    if (!block) return FALSE;
    result->status = SS_VALUE_OK;
    result->kind = SS_KIND_TEXT;
    result->value.hText = block;
    return TRUE;
}

// ---- ROUNDTO, SECTIONSIZE, GETSYSNAME, GETARRAYITEM, TONUMBER, ISNULL, ISPOSITIVE ---------

BOOL roundTo(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    notHandled(result);
    double value = 0, step = 0;
    if (count < 2 || !argNumber(args[0], value) || !argNumber(args[1], step)) return FALSE;
    return setNumber(result, ObjectExportRoundTo(value, step));
}

BOOL sectionSize(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    notHandled(result);
    Mdx_String section, text;
    double column = 0;
    if (count < 2 || !argText(args[0], section) || !argNumber(args[1], column)) return FALSE;
    if (getSectionValue(section, argIndex(column), text) != Acad::eOk) return FALSE;
    return setNumber(result, text.toDouble());
}

BOOL getSysName(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    notHandled(result);
    Mdx_String name, systemName;
    if (count < 1 || !argText(args[0], name)) return FALSE;
    if (gSectionTables.getSystemName(name, systemName) != Acad::eOk) systemName = name;
    return setText(result, systemName);
}

BOOL getArrayItem(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    notHandled(result);
    Mdx_String list;
    double index = 0;
    if (count < 2 || !argText(args[0], list) || !argNumber(args[1], index)) return FALSE;
    const Mdx_StringArray items = strToArr(list, ";");
    const int i = argIndex(index);
    return setText(result, i >= 0 && i < items.length() ? items[i] : Mdx_String());
}

BOOL toNumber(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    notHandled(result);
    Mdx_String text;
    if (count < 1 || !argText(args[0], text)) return FALSE;
    return setNumber(result, text.toDouble());
}

BOOL isNull(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    notHandled(result);
    if (count < 1) return FALSE;
    Mdx_String text;
    double number = 0;
    if (argIsEmpty(args[0])) return setBool(result, true);
    if (argText(args[0], text)) return setBool(result, text.isEmpty());
    if (argNumber(args[0], number)) return setBool(result, number == 0);
    return FALSE;
}

BOOL isPositive(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    notHandled(result);
    if (count < 1) return FALSE;
    Mdx_String text;
    double number = 0;
    if (argIsEmpty(args[0])) return setBool(result, false);
    if (argText(args[0], text)) return setBool(result, text.toDouble() > 0);
    if (argNumber(args[0], number)) return setBool(result, number > 0);
    return FALSE;
}

// ---- GETCELL, GETPROFCELL ----------------------------------------------------------------

// The key parts after the file, joined with ";": numbers as the core writes them with
// precision 6, texts as they are; the first argument that is neither ends the key.
Mdx_String lookUpKey(const SSCALCVALUE* args, int count) {
    Mdx_String key;
    for (int i = 1; i < count; ++i) {
        Mdx_String part;
        double number = 0;
        if (argNumber(args[i], number))
            part = Mdx_String(number, 6, false);
        else if (!argText(args[i], part))
            break;
        if (i > 1) key += ';';
        key += part;
    }
    return key;
}

BOOL lookUp(LPSSCALCVALUE result, LPSSCALCVALUE args, short count, bool bySystemNames) {
    notHandled(result);
    Mdx_String name, path, value;
    if (count < 2 || !argText(args[0], name) || !findStandardsDataFile(name, path)) return FALSE;
    const Mdx_String key = lookUpKey(args, count);
    if (lookUpStandardsData(path, key, bySystemNames, value) != KvDataLookUp::Found) return FALSE;
    return setText(result, value);
}

BOOL getCell(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    return lookUp(result, args, count, false);
}

BOOL getProfCell(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    return lookUp(result, args, count, true);
}

// ---- The tolerance functions -------------------------------------------------------------

enum class SizeKind { Width, Thickness, Size };

void warnOfInvalidTolerances(double downTol, double upTol) {
    if (!gSettings.current().standardsMessages()) return;
    const Mdx_String text = Mdx_String("Invalid tolerances provided.\n DownTolerance is :") +
                            Mdx_String(downTol, 2, false) +
                            "UpTolerance is :" + Mdx_String(upTol, 2, false) +
                            "\nAdding both tolerances should result in a positive value.";
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION);
}

// A file that cannot be found or read offers no sizes; the value is then only rounded.
AcArray<double> sizeCandidates(const Mdx_String& name, SizeKind kind, double thickness) {
    AcArray<double> candidates;
    Mdx_String path;
    Mdx_Array<KvStandardSizeEntry> entries;
    if (!findStandardsDataFile(name, path) || !readStandardSizesFile(path, entries))
        return candidates;
    for (const KvStandardSizeEntry& entry : entries) {
        switch (kind) {
            case SizeKind::Width:
                if (entry.second == 0 || entry.second == thickness) candidates.append(entry.first);
                break;
            case SizeKind::Thickness:
                candidates.append(entry.second);
                break;
            case SizeKind::Size:
                candidates.append(entry.first);
                break;
        }
    }
    if (kind == SizeKind::Width) ObjectExportSort(candidates);
    return candidates;
}

BOOL sizeWithTolerance(LPSSCALCVALUE result, LPSSCALCVALUE args, short count, SizeKind kind) {
    notHandled(result);
    const int numberCount = kind == SizeKind::Width ? 5 : 4;
    Mdx_String file;
    if (count < numberCount + 1 || !argText(args[0], file)) return FALSE;
    double numbers[5] = {};
    for (int i = 0; i < numberCount; ++i)
        if (!argNumber(args[i + 1], numbers[i])) return FALSE;
    const double step = numbers[0];
    const double thickness = kind == SizeKind::Width ? numbers[1] : 0;
    const double* band = kind == SizeKind::Width ? numbers + 2 : numbers + 1;
    const KvToleranceBand tolerance{band[0], band[1], band[2]};
    if (tolerance.downTol + tolerance.upTol <= 0)
        warnOfInvalidTolerances(tolerance.downTol, tolerance.upTol);
    const AcArray<double> candidates = sizeCandidates(file, kind, thickness);
    return setNumber(result, standardSizeWithTolerance(candidates, step, tolerance));
}

BOOL stdWidth(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    return sizeWithTolerance(result, args, count, SizeKind::Width);
}

BOOL stdThickness(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    return sizeWithTolerance(result, args, count, SizeKind::Thickness);
}

BOOL stdSize(LPSSCALCVALUE result, LPSSCALCVALUE args, short count) {
    return sizeWithTolerance(result, args, count, SizeKind::Size);
}

// Parallel to kStandardsFunctions.
constexpr SSCALCFUNC kCallbacks[] = {
    roundTo,      getCell, getProfCell,  sectionSize, getSysName, stdWidth,
    stdThickness, stdSize, getArrayItem, toNumber,    isNull,     isPositive,
};
static_assert(std::size(kCallbacks) == std::size(kStandardsFunctions));

}  // namespace

bool registerStandardsFunctions(Mdx_Spread& sheet) {
    bool all = true;
    for (size_t i = 0; i < std::size(kStandardsFunctions); ++i) {
        const KvStandardsFunction& function = kStandardsFunctions[i];
        all = sheet.addCustomFunction(function.name, function.minArgs, function.maxArgs,
                                      kCallbacks[i], 0) &&
              all;
    }
    return all;
}
