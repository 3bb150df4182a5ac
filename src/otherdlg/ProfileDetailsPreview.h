#pragma once
// While the profile-details dialog is open on the data of a macro being placed (a temporary
// preview), the section it edits is drawn as a temporary profile of the dialog's own, so the
// detailer sees the section and material before the macro exists. The profile is the
// dialog's object: it is erased with the preview when the dialog closes.
#include "core/macro/MacroTabItems.h"
#include "host/AcDbObjectId.h"

class MacroData;

class ProfileDetailsPreview {
public:
    explicit ProfileDetailsPreview(MacroData& data) : data_(data) {}

    // Draws the profile with the properties' section and material, or redraws it; nothing
    // unless the data is a temporary preview in a drawing, or for a section not set.
    void show(const MacroProfData& props);
    // Null while nothing was drawn.
    AcDbObjectId objectId() const { return id_; }

private:
    MacroData& data_;
    AcDbObjectId id_;
};
