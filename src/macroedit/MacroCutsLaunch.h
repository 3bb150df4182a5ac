#pragma once
#include "core/macro/DlgMacroCutsData.h"

// Modal, without a parent, on a copy of the record: true and the copy assigned back when it
// closed with OK. closedWithEscape tells whether the user left it with the Escape key.
bool StartDlgMacroCuts(DlgMacroCutsData& data, bool& closedWithEscape);
