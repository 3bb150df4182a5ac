#pragma once
// Registry entries of the product's property classes for the host's property palette. The
// table of classes and the registry writes are not built yet: these report that plainly
// instead of claiming work they did not do.
#include "host/AcadErrorStatus.h"

// eInvalidInput: nothing is registered by this build.
Acad::ErrorStatus SSregisterOpmCLSIDs();
// eInvalidInput: this build does not know the keys, so it cannot say they are gone.
Acad::ErrorStatus SScleanupComRegistry();
// eOk after printing that no class is known; no identifier file is written.
Acad::ErrorStatus SSprintCLSIDs();
