#include "macroedit/MacroCutsLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "core/Texts.h"
#include "core/macro/MacroCutRecord.h"
#include "host/CommandLine.h"
#include "macroedit/MacroCutsDlg.h"
#include "win/MessageBox.h"

bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& closedWithEscape) {
    KvTempResourceOverride resources;
    MacroCutsDlg dialog;
    dialog.data = data;
    const bool ok = dialog.DoModal() == IDOK;
    closedWithEscape = dialog.escaped;
    if (ok) data = dialog.data;
    return ok;
}

bool StartEditMacroCutDlg(const EditSource& source, const Mdx_String& name, const Mdx_String&,
                          bool& swallowEscape) {
    swallowEscape = false;
    DlgMacroCutsData record;
    if (!ReadCutRecord(source, name, record)) return false;
    // The other part's macro may have been erased since the cut was made: said, and kept
    // (the other part of an existing cut is not changed here).
    Mdx_StringArray modules;
    if (record.otherPartSource == 2 &&
        !record.macroChoice.GetAllMods(record.macroChoice.macroId, modules))
        acutPrintf("The macro %s of the other part of cut \"%s\" is no longer in the drawing.\n",
                   record.macroChoice.macroId.toText().c_str(), name.toUtf8().c_str());
    // The cut keeps numbers only, which the dialog cannot know: a refused record is said and
    // the dialog opens again on what the user typed, so nothing typed is lost.
    while (StartDlgMacroCuts(record, swallowEscape)) {
        if (WriteCutRecord(source, name, record)) return true;
        KvTempResourceOverride resources;
        ::MessageBox(nullptr, dialString(9300).c_str(), dialString(1098).c_str(),
                     MB_OK | MB_ICONEXCLAMATION);
    }
    return false;
}
