#pragma once
// The modal macro dialog: the same window as in a slot, run modally with slot -1.
class MacroData;

// The record is copied back however the dialog closed.
void StartDlgMacro(MacroData& data);
