#include "opm/OpmRegistration.h"

#include "core/KvTempResourceOverride.h"
#include "host/CommandLine.h"

namespace {

void reportNotBuilt(const char* what) {
    acutPrintf("%s: the property classes are not available in this build.\n", what);
}

}  // namespace

Acad::ErrorStatus SSregisterOpmCLSIDs() {
    KvTempResourceOverride resources;
    reportNotBuilt("SSregisterOpmCLSIDs");
    return Acad::eInvalidInput;
}

Acad::ErrorStatus SScleanupComRegistry() {
    KvTempResourceOverride resources;
    reportNotBuilt("SScleanupComRegistry");
    return Acad::eInvalidInput;
}

Acad::ErrorStatus SSprintCLSIDs() {
    KvTempResourceOverride resources;
    acutPrintf("No property classes are registered by this build.\n");
    return Acad::eOk;
}
