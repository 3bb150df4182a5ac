#include "standards/KvVarCells.h"

Acad::ErrorStatus KvVarCells::findVarCell(const Mdx_String& name, int& index) const {
    for (int i = 0; i < cells_.length(); ++i) {
        if (cells_[i].name.equal(name, false)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

bool KvVarCells::hasSameInput(const KvVarCells& other) const {
    for (const KvVarCell& cell : cells_) {
        if (!cell.isInput()) continue;
        int index = -1;
        if (other.findVarCell(cell.name, index) != Acad::eOk) return false;
        const KvVarCell& match = other[index];
        if (match.valueType != cell.valueType || !match.value.equal(cell.value, false))
            return false;
    }
    return true;
}
