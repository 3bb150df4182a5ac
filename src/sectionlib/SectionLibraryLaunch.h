#pragma once
// The launch points of the section library dialogs.
#include "sectionlib/DlgEditLibData.h"
#include "sectionlib/Mdx_ProfValuesTable.h"

// The library editor on a copy of the data; OK assigns it back and gives true. sysName is a
// full system name (table, "-", size) to open on, or empty.
bool StartDlgEditLibSections(DlgEditLibData& data, const Mdx_String& sysName);
// Adds one size to the table, starting from the row named sysName; on OK the edited table is
// assigned back, newRow is the new row's index among the active rows (-1 when nothing was
// added) and the result is true. On Cancel table and newRow are untouched.
bool StartDlgEditLibSimple(const Mdx_String& sysName, Mdx_ProfValuesTable& table, int& newRow);
