#pragma once
// The open modeless macro dialogs, one per slot. A slot number is the handle callers keep:
// it never changes meaning while its dialog lives, because only trailing empty slots are
// ever removed. Closing a dialog whose macro data is busy is deferred and retried every
// 50 ms until the data is free.
class MacroData;
class MacroSlotDialog;

bool StartDlgMacroModeless(bool keepFocus, MacroData& data, int& slot);
bool GetDlgMacroData(int slot, MacroData& data);
bool EndDlgMacroModeless(int slot);
void DestroyAllMacroDlgs();

// Closes the dialog of the slot after the current message is handled: a dialog asking for its
// own close must not be deleted inside its own handler. The close runs on the next timer
// tick (after kDelayedCloseMs on the virtual clock), through EndDlgMacroModeless, so a busy
// data defers it further. False for an empty slot.
bool requestMacroDialogClose(int slot);

// Inspection for the command-line program and tests.
namespace macro_slots {
inline constexpr unsigned kDelayedCloseMs = 50;
int slotCount();
// Null for an empty or invalid slot.
MacroSlotDialog* dialogInSlot(int slot);
int pendingCloseCount();
// Drops every dialog and pending close without asking (a fresh session).
void reset();
}  // namespace macro_slots
