// Custom functions registered on a grid window. Inside, the engine passes its own values;
// here, at the edge, they become the calculation-value records of the interface, with texts
// in movable global memory blocks, and the record the callback fills becomes a value again.
#include <cmath>
#include <cstring>
#include <vector>

#include "grid/BuiltinFunctions.h"
#include "grid/SpreadWindow.h"
#include "grid/TextRules.h"
#include "win/GlobalMemory.h"

namespace grid {

namespace {

HGLOBAL textBlock(const std::string& text) {
    HGLOBAL block = GlobalAlloc(GHND, text.size() + 1);
    if (!block) return nullptr;
    char* p = static_cast<char*>(GlobalLock(block));
    if (!p) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(p, text.data(), text.size());
    p[text.size()] = '\0';
    GlobalUnlock(block);
    return block;
}

bool readBlock(HGLOBAL block, std::string& out) {
    out.clear();
    if (!block) return false;
    SIZE_T size = GlobalSize(block);
    const char* p = static_cast<const char*>(GlobalLock(block));
    if (!p) return size == 0;
    out.assign(p, strnlen(p, size));  // never past the block, terminated or not
    GlobalUnlock(block);
    return true;
}

SSCALCVALUE toRecord(const CustomArg& a, std::vector<HGLOBAL>& blocks) {
    SSCALCVALUE v;
    v.status = SS_VALUE_OK;
    if (a.isReference) {
        if (a.rect.isSingleCell()) {
            v.kind = SS_KIND_CELL;
            v.value.cell.col = a.rect.column1;
            v.value.cell.row = a.rect.row1;
        } else {
            v.kind = SS_KIND_RANGE;
            v.value.range.col1 = a.rect.column1;
            v.value.range.row1 = a.rect.row1;
            v.value.range.col2 = a.rect.column2;
            v.value.range.row2 = a.rect.row2;
        }
        return v;
    }
    switch (a.kind) {
    case ValueKind::Empty:
        v.status = SS_VALUE_NONE;
        v.kind = SS_KIND_DOUBLE;
        v.value.dfValue = 0;
        break;
    case ValueKind::Number:
    case ValueKind::Bool:
        // Whole numbers travel as integers, the form callbacks turn into key texts.
        if (a.number == std::trunc(a.number) && std::fabs(a.number) <= 2147483647.0) {
            v.kind = SS_KIND_LONG;
            v.value.lValue = static_cast<long>(a.number);
        } else {
            v.kind = SS_KIND_DOUBLE;
            v.value.dfValue = a.number;
        }
        break;
    case ValueKind::Text:
        v.kind = SS_KIND_TEXT;
        v.value.hText = textBlock(a.text);
        if (!v.value.hText) v.status = SS_VALUE_FAILED;
        else blocks.push_back(v.value.hText);
        break;
    case ValueKind::Error:
        v.status = SS_VALUE_FAILED;
        v.kind = SS_KIND_LONG;
        v.value.lValue = static_cast<long>(a.error);
        break;
    }
    return v;
}

void fromRecord(SSCALCVALUE& r, CustomCall& call, const std::vector<HGLOBAL>& argBlocks) {
    bool ownBlock = r.kind == SS_KIND_TEXT && r.value.hText != nullptr;
    for (HGLOBAL b : argBlocks)
        if (ownBlock && b == r.value.hText) ownBlock = false;  // handed back one of ours
    if (r.status != SS_VALUE_OK) {
        call.result.setEmpty();
    } else {
        switch (r.kind) {
        case SS_KIND_LONG: call.result.setNumber(static_cast<double>(r.value.lValue)); break;
        case SS_KIND_DOUBLE:
            if (std::isfinite(r.value.dfValue)) call.result.setNumber(r.value.dfValue);
            else call.result.setError(ErrorCode::Num);
            break;
        case SS_KIND_TEXT: {
            std::string text;
            if (readBlock(r.value.hText, text)) call.result.setText(text);
            else call.result.setError(ErrorCode::Value);
            break;
        }
        case SS_KIND_CELL: {
            CellValue v = call.sheet.value(static_cast<int>(r.value.cell.col),
                                           static_cast<int>(r.value.cell.row));
            if (v.kind == ValueKind::Text) call.result.setText(std::string(v.text));
            else if (v.kind == ValueKind::Error) call.result.setError(v.error);
            else if (v.kind == ValueKind::Empty) call.result.setEmpty();
            else call.result.setNumber(v.number);
            break;
        }
        default: call.result.setError(ErrorCode::Value); break;
        }
    }
    if (ownBlock) GlobalFree(r.value.hText);
}

bool callThroughRecord(void* context, CustomCall& call) {
    auto* registration = static_cast<CustomRegistration*>(context);
    SSCALCFUNC callback = registration->callback;
    std::vector<HGLOBAL> blocks;
    std::vector<SSCALCVALUE> args;
    args.reserve(static_cast<size_t>(call.count));
    for (int i = 0; i < call.count; ++i) args.push_back(toRecord(call.args[i], blocks));
    SSCALCVALUE result;
    result.status = SS_VALUE_NONE;
    BOOL handled = callback(&result, args.empty() ? nullptr : args.data(),
                            static_cast<short>(call.count));
    if (handled) {
        fromRecord(result, call, blocks);
    } else if (result.kind == SS_KIND_TEXT && result.value.hText) {
        bool ours = false;
        for (HGLOBAL b : blocks) ours = ours || b == result.value.hText;
        if (!ours) GlobalFree(result.value.hText);
    }
    for (HGLOBAL b : blocks) GlobalFree(b);
    return handled != FALSE;
}

bool isFunctionName(const char* name) {
    if (!name || !((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z')))
        return false;
    size_t n = 0;
    for (const char* p = name; *p; ++p, ++n) {
        char c = *p;
        bool ok = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
                  c == '_' || c == '.';
        if (!ok || n > 255) return false;
    }
    return true;
}

}  // namespace

}  // namespace grid

BOOL SSAddCustomFunctionExt(HWND hwnd, LPCSTR name, short minArgs, short maxArgs,
                            SSCALCFUNC callback, long flags) {
    grid::SpreadControl* control = grid::spreadControl(hwnd);
    if (!control || !callback || !grid::isFunctionName(name) || minArgs < 0 ||
        maxArgs < minArgs || maxArgs > 255)
        return FALSE;
    // A built-in name always means the built-in function.
    if (grid::findBuiltin(name) >= 0) return FALSE;
    grid::CustomRegistration* registration = nullptr;
    for (auto& r : control->customs)
        if (grid::equalsIgnoreCase(r->name, name)) registration = r.get();
    if (!registration) {
        control->customs.push_back(std::make_unique<grid::CustomRegistration>());
        registration = control->customs.back().get();
        registration->name = name;
    }
    registration->callback = callback;
    registration->flags = flags;
    int engineFlags = (flags & SS_PASS_REFERENCES) ? grid::kPassReferences : 0;
    control->model.sheet().addCustomFunction(name, minArgs, maxArgs, grid::callThroughRecord,
                                             registration, engineFlags);
    return TRUE;
}
