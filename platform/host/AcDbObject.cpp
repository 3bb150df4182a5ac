#include "host/AcDbObject.h"

AcDbObject::~AcDbObject() = default;

Acad::ErrorStatus AcDbObject::erase() {
    if (!writeEnabled_) return Acad::eNotOpenForWrite;
    erased_ = true;
    return Acad::eOk;
}
