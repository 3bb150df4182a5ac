#pragma once
// The launch points of the profile-details dialog (KvProfDetailsDlg): for a group of the
// macro data, or for several objects through the caller's callback.
#include "otherdlg/OtherDialogRecords.h"

class MacroData;

// For the group of the macro data: the dialog reads the group's merged properties; OK
// stores the edited ones, updates the module for the group (the profiles of the group take
// them in the drawing) and reads them back; a refused update keeps the dialog open with the
// reason and the data as it was. flag is handed over and has no effect. After the dialog
// closes, for data that is a temporary preview, the preview's single object and the dialog's
// own temporary profile are erased.
void StartDlgMacroProfAdv(MacroData& data, const Mdx_String& group, const Mdx_String& title,
                          bool flag);
// For several objects through the caller's callback; nothing at all when ids is null or
// empty or there is no callback. flag comes back true when OK stored properties the
// callback accepted, false when the dialog was left otherwise.
void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* ids, bool& flag, KvMACallBack callback);

namespace profile_details {
// The callback of the single-macro form: kind read fetches the group's merged properties
// from data.macroData; kind write stores them, updates the module for the group (code -13)
// when the data belongs to a drawing, and fetches them again. False when the data has no
// such group or the update was refused (the data is then as before, the reason in its
// updateError).
bool macroGroupCallback(KvMACallBackType kind, const KvMACallBackData& data,
                        MacroProfData& properties);
// What happens after the dialog on data closed: nothing unless the data is a temporary
// preview; then its object is erased when its object list holds exactly one, and
// dialogObject unless it is null.
void eraseAfterDialog(MacroData& data, AcDbObjectId dialogObject);
}  // namespace profile_details
