#pragma once
// One declared variable of a standards spreadsheet, tied to the cell of its declaration.
// This is the record the mapping and the standards data carry; the transfer between the
// variable and its sheet belongs to the standards spreadsheet.
#include "core/Mdx_String.h"
#include "standards/KvCellType.h"
#include "standards/KvValueType.h"

class KvVarCell {
public:
    KvVarCell() = default;
    KvVarCell(const KvVarCell&) = default;
    KvVarCell& operator=(const KvVarCell&) = default;
    virtual ~KvVarCell() = default;

    bool isInput() const { return cellType == KvCellType::Input; }
    bool isOutput() const { return cellType == KvCellType::Output; }
    bool isLocal() const { return cellType == KvCellType::Local; }

    Mdx_String name;
    KvCellType cellType = KvCellType::Input;
    Mdx_String value;
    KvValueType valueType = KvValueType::String;
    int col = 0;
    int row = 0;
};
