#pragma once
// Registry entries, under HKEY_CLASSES_ROOT, of the product's property classes for the host's
// property palette. The classes live in the sibling module "Pellix.arx" beside this module's
// file, which carries the type library.
#include "host/AcadErrorStatus.h"

// Writes the type library, class and interface keys. eInvalidInput, with nothing written,
// when the sibling module is missing; eInvalidInput too when any write failed (every write
// is still attempted).
Acad::ErrorStatus SSregisterOpmCLSIDs();
// Removes those keys with their subkeys; a key that is absent counts as removed.
// eInvalidInput when any could not be opened or deleted (every key is still attempted).
Acad::ErrorStatus SScleanupComRegistry();
// Prints each class identifier as a declaration on the host's command line and writes every
// identity, one "name=guid" line each, to "RegistryIDs.dat" beside this module's file. eOk,
// or eInvalidInput when the file could not be written (a previous file stays as it was).
Acad::ErrorStatus SSprintCLSIDs();
