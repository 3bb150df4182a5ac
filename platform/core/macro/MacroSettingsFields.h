#pragma once
// The general settings of a macro as fields of its object in the drawing file. A macro whose
// settings were never set writes none of them, so drawings from before keep their bytes.
#include "host/FieldReader.h"
#include "host/FieldWriter.h"

struct MacroSettings;

void writeMacroSettingsFields(host::FieldWriter& out, const MacroSettings& settings);

// Reads the settings when the next field starts them; present tells whether it did. False
// (with the reader failed) for settings that are there but malformed.
bool readMacroSettingsFields(host::FieldReader& in, MacroSettings& settings, bool& present);
