#pragma once
// Registers the database object classes of the macro model (macros, patterns, profiles and
// section tables) with the host, so that drawings holding them can be read. Call once before
// the first drawing is loaded; calling again does no harm.
#include "host/AcadErrorStatus.h"

Acad::ErrorStatus registerMacroClasses();
