#pragma once

// The section a standards-spreadsheet variable is declared in.
enum class KvCellType : int { Input = 0, Output = 1, Local = 2 };
