#pragma once
// Launch points of the sheet-file host.
#include "core/Mdx_Array.h"
#include "core/Mdx_StringArray.h"

// Opens the host on the fixed sample file "c:\\a\\t3.sss", evaluating its cell (1, 1).
void EvaluateSS();
// Reads a sheet file: the data text of (1, 1), the column headers and every row of texts.
void ReadSSFile(const Mdx_String& path, Mdx_String& firstCell, Mdx_StringArray& headers,
                Mdx_Array<Mdx_StringArray>& rows);
