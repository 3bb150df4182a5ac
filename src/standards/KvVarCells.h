#pragma once
// The declared variables of one standards spreadsheet, in declaration order, with the
// spreadsheet's mapping to the macro.
#include "core/Mdx_Array.h"
#include "standards/KvSSMapping.h"
#include "standards/KvVarCell.h"

class KvVarCells {
public:
    KvVarCells() = default;
    KvVarCells(const KvVarCells&) = default;
    KvVarCells& operator=(const KvVarCells&) = default;
    virtual ~KvVarCells() = default;

    int length() const { return cells_.length(); }
    KvVarCell& operator[](int index) { return cells_[index]; }
    const KvVarCell& operator[](int index) const { return cells_[index]; }
    int append(const KvVarCell& cell) { return cells_.append(cell); }
    bool removeAt(int index) { return cells_.removeAt(index); }
    // Removes the variables; the mapping stays.
    void resetVarCells() { cells_.setEmpty(); }

    KvSSMapping& mapping() { return mapping_; }
    const KvSSMapping& mapping() const { return mapping_; }

    // The first variable of that name (ignoring case); eInvalidInput when there is none.
    Acad::ErrorStatus findVarCell(const Mdx_String& name, int& index) const;
    // Every input of this collection has a variable of the same name, value type and value
    // (ignoring case) in other; other may have more.
    bool hasSameInput(const KvVarCells& other) const;

private:
    Mdx_Array<KvVarCell> cells_;
    KvSSMapping mapping_;
};
