#pragma once
#include "otherdlg/OtherDialogRecords.h"

// Modal list of the profile's cuts on a copy of the record; true and the copy assigned back
// on OK. The entry selected when it last closed with OK is selected again, module-wide.
bool StartEditProfCutsDlg(DlgProfCutsData& data);

namespace profile_cuts {
// The entry the next dialog opens on; 0 until a dialog closed with OK.
int lastSelectedIndex();
void resetLastSelectedIndex();
}  // namespace profile_cuts
