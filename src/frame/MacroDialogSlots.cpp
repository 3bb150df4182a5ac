#include "frame/MacroDialogSlots.h"

#include <vector>

#include "core/KvTempResourceOverride.h"
#include "frame/MacroSlotDialog.h"
#include "host/AcArray.h"
#include "host/CommandLine.h"
#include "host/MainWindow.h"
#include "win/Timers.h"

namespace {

struct PendingClose {
    UINT_PTR timerId;
    int slot;
};

// The table holds the dialogs it owns; an empty slot is null.
AcArray<MacroSlotDialog*>& macroDialogSlots() {
    static AcArray<MacroSlotDialog*> slots;
    return slots;
}

std::vector<PendingClose>& pendingMacroCloses() {
    static std::vector<PendingClose> pending;
    return pending;
}

bool isOccupied(int slot) {
    const auto& slots = macroDialogSlots();
    return slot >= 0 && slot < slots.length() && slots[slot] != nullptr;
}

bool hasPendingClose(int slot) {
    for (const PendingClose& entry : pendingMacroCloses())
        if (entry.slot == slot) return true;
    return false;
}

void removeTrailingEmptySlots() {
    auto& slots = macroDialogSlots();
    while (!slots.isEmpty() && slots.last() == nullptr) slots.removeLast();
}

void delayedClose(HWND, UINT, UINT_PTR timerId, DWORD) {
    acutPrintf("Delayed timer called.\n");
    auto& pending = pendingMacroCloses();
    for (auto it = pending.begin(); it != pending.end(); ++it) {
        if (it->timerId != timerId) continue;
        const int slot = it->slot;
        KillTimer(nullptr, timerId);
        // The entry goes before the retry, so a retry that finds the data still busy arms
        // the next timer instead of seeing its own close as already pending.
        pending.erase(it);
        EndDlgMacroModeless(slot);
        return;
    }
}

int lastEmptySlot() {
    const auto& slots = macroDialogSlots();
    int slot = -1;
    for (int i = 0; i < slots.length(); ++i)
        if (slots[i] == nullptr) slot = i;
    return slot;
}

}  // namespace

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& slot) {
    KvTempResourceOverride resources;
    auto& slots = macroDialogSlots();
    slot = lastEmptySlot();
    if (slot < 0) {
        slot = slots.length();
        slots.append(nullptr);
    }
    std::unique_ptr<MacroSlotDialog> dialog =
        makeMacroSlotDialog(CWnd::FromHandle(adsw_acadMainWnd()));
    if (!dialog) {
        removeTrailingEmptySlots();
        return false;
    }
    dialog->setSlot(slot);
    dialog->setMacroData(data);
    if (!dialog->createWindow()) {
        removeTrailingEmptySlots();
        return false;
    }
    dialog->ShowWindow(SW_SHOW);
    slots[slot] = dialog.release();
    if (!keepFocus) SetFocus(adsw_acadMainWnd());
    return true;
}

bool GetDlgMacroData(int slot, MacroData& data) {
    KvTempResourceOverride resources;
    if (!isOccupied(slot)) return false;
    data = macroDialogSlots()[slot]->macroData();
    return true;
}

bool EndDlgMacroModeless(int slot) {
    KvTempResourceOverride resources;
    if (!isOccupied(slot)) return false;
    auto& slots = macroDialogSlots();
    MacroSlotDialog* dialog = slots[slot];
    if (dialog->macroData().isBusy()) {
        // One retry timer per slot: asking again while a close waits changes nothing.
        if (!hasPendingClose(slot)) {
            UINT_PTR timer = SetTimer(nullptr, 0, macro_slots::kDelayedCloseMs, delayedClose);
            pendingMacroCloses().push_back({timer, slot});
        }
        return true;
    }
    if (dialog->GetSafeHwnd() && !dialog->DestroyWindow()) return false;
    delete dialog;
    slots[slot] = nullptr;
    if (slot == slots.length() - 1) removeTrailingEmptySlots();
    acedPostCommandPrompt();
    return true;
}

bool requestMacroDialogClose(int slot) {
    if (!isOccupied(slot)) return false;
    if (!hasPendingClose(slot)) {
        UINT_PTR timer = SetTimer(nullptr, 0, macro_slots::kDelayedCloseMs, delayedClose);
        pendingMacroCloses().push_back({timer, slot});
    }
    return true;
}

void DestroyAllMacroDlgs() {
    KvTempResourceOverride resources;
    for (int slot = macroDialogSlots().length() - 1; slot >= 0; --slot) EndDlgMacroModeless(slot);
}

namespace macro_slots {

int slotCount() {
    return macroDialogSlots().length();
}

MacroSlotDialog* dialogInSlot(int slot) {
    return isOccupied(slot) ? macroDialogSlots()[slot] : nullptr;
}

int pendingCloseCount() {
    return static_cast<int>(pendingMacroCloses().size());
}

void reset() {
    for (const PendingClose& entry : pendingMacroCloses()) KillTimer(nullptr, entry.timerId);
    pendingMacroCloses().clear();
    auto& slots = macroDialogSlots();
    for (int i = 0; i < slots.length(); ++i) delete slots[i];
    slots.removeAll();
}

}  // namespace macro_slots
