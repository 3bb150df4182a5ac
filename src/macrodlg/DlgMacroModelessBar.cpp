// DlgMacroModeless: the controls of the bar below the pages that change the whole data: the
// two filters, loading from the standards, and loading and saving property files.
#include <string>

#include "core/Texts.h"
#include "core/macro/MacroClash.h"
#include "core/macro/MacroFilters.h"
#include "core/macro/MacroSetAll.h"
#include "host/CommandLine.h"
#include "macrodlg/DlgMacroModeless.h"
#include "macrodlg/DlgPropertyFile.h"
#include "win/CComboBox.h"
#include "win/MessageBox.h"
#include "win/WinMessages.h"

namespace {

constexpr int kFilterCombos[] = {1177, 1178};
constexpr int kLoadedText = 1507;
constexpr int kThereWereText = 1508;
constexpr int kNotAppliedText = 1509;
constexpr int kCheckText = 1510;
constexpr int kLoadCaption = 978;
constexpr int kSaveCaption = 979;

}  // namespace

void DlgMacroModeless::fillFilterCombos() {
    const MacroDialogState& state = macroData().dialogState();
    for (int filter = 0; filter < 2; ++filter) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kFilterCombos[filter]));
        if (!combo) continue;
        combo->ResetContent();
        for (const Mdx_String& item : state.filterItems[filter]) combo->AddString(item.c_str());
        combo->SetCurSel(state.filterSelection[filter]);
    }
}

// The pages are made again for the tabs the filters now leave.
void DlgMacroModeless::filterChanged(bool first) {
    MacroDialogState& state = macroData().dialogState();
    for (int filter = 0; filter < 2; ++filter) {
        auto* combo = static_cast<CComboBox*>(GetDlgItem(kFilterCombos[filter]));
        if (combo && combo->GetCurSel() >= 0) state.filterSelection[filter] = combo->GetCurSel();
    }
    UpdateAllFilterModified(macroData(), first);
    rebuildPages();
    fillFilterCombos();
    fitSize();
}

// The pages are made again, showing the tab shown before when it is still there.
void DlgMacroModeless::rebuildPages() {
    const MacroTabData* shown = page(current_) ? page(current_)->tab() : nullptr;
    const Mdx_String name = shown ? shown->name : Mdx_String();
    buildPages();
    int index = -1;
    const int shownPage = macroData().findTab(name, index) ? pageOfTab(index) : -1;
    current_ = -1;
    showTab(shownPage >= 0 ? shownPage : 0);
}

void DlgMacroModeless::refreshPages() {
    for (auto& page : pages_) page->refresh();
}

void DlgMacroModeless::loadFromStandards() {
    MacroData& data = macroData();
    if (!data.loadFromStandards()) {
        showFailure(data.updateError(), Mdx_String("Load from standards"));
        return;
    }
    fillFilterItems(data);
    rebuildPages();
    fillFilterCombos();
    clashcheck(data, this);
}

void DlgMacroModeless::loadProperties() {
    MacroData& data = macroData();
    if (!data.propListAllowed()) return;
    Mdx_StringArray files;
    data.getPropFiles(files);
    Mdx_String chosen;
    if (!StartDlgPropertyFile(DlgPropertyFile::Mode::Load, files, chosen, this)) return;
    const MacroData before = data;
    int count = 0;
    if (!data.readFromFile(chosen, count)) {
        showFailure(data.updateError(), dialString(kLoadCaption));
        return;
    }
    std::vector<MacroTabChanges> changes = collectDifferences(before, data);
    if (count != 0) {
        Mdx_String text = dialString(kLoadedText) + ".\n" + dialString(kThereWereText) + " ";
        text.append(count);
        text += Mdx_String(" ") + dialString(kNotAppliedText) + ".\n\n" + dialString(kCheckText);
        MessageBox(text.c_str(), dialString(kLoadCaption).c_str(), MB_OK | MB_ICONINFORMATION);
    }
    // A design of the file's is never taken over: the pages stay built from their own.
    for (MacroTabChanges& change : changes) change.changed.remove(MacroTabData::kDesignChanged);
    if (!setAllToMacro(data, changes)) {
        const std::string why = data.updateError();
        data = before;  // the drawing refused: the pages show what it still holds
        refreshPages();
        showFailure(why, dialString(kLoadCaption));
        return;
    }
    refreshPages();
    acedPostCommandPrompt();
    clashcheck(data, this);
}

void DlgMacroModeless::saveProperties() {
    for (auto& page : pages_) page->apply();
    clashcheck(macroData(), this);
    MacroData& data = macroData();
    if (!data.propListAllowed()) return;
    Mdx_StringArray files;
    data.getPropFiles(files);
    Mdx_String chosen;
    if (!StartDlgPropertyFile(DlgPropertyFile::Mode::Save, files, chosen, this)) return;
    if (!data.writeToFile(chosen)) showFailure(data.updateError(), dialString(kSaveCaption));
}

void DlgMacroModeless::showFailure(const std::string& why, const Mdx_String& caption) {
    MessageBox(Mdx_String::fromUtf8(why + ".").c_str(), caption.c_str(),
               MB_OK | MB_ICONEXCLAMATION);
}
