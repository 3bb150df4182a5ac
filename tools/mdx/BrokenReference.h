#pragma once
// Why a macro cannot be opened with its data: the first object one of its modules refers to
// that the drawing does not hold, or holds as another kind of object (a pattern id that
// names the macro itself, say). Told in words for the message of `mdx evaluate`.
#include <string>

#include "host/AcDbObjectId.h"

class AcTransaction;

// Empty when every reference of the macro opens as the object it should be.
std::string describeBrokenReference(AcDbObjectId macroId, AcTransaction& transaction);
