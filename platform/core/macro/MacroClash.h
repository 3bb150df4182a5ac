#pragma once
// Clash checking of the macro dialogs: after each update the core checks the bolt holes of
// the edited macros and reports holes that overlap on the host's command line. Checking can
// be switched off for the session; each open dialog registers itself and keeps the number of
// clashes its last check found.
#include "core/Mdx_String.h"

class MacroData;

void clashSetStatus(bool on);
bool clashGetStatus();
void clashInitDlgStarted(const void* dialog);
void clashResetInfo(const void* dialog);
void clashDlgClosed(const void* dialog);
int clashOpenDialogCount();
int clashLastCount(const void* dialog);
// The number of clashes found (0 while checking is off); each one is printed.
int clashcheck(const MacroData& data, const void* dialog = nullptr);
