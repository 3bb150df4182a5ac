#pragma once
// The profile-details dialog: the merged properties of a profile group (member name,
// section, material), fetched and stored through a callback.
#include "otherdlg/OtherDialogRecords.h"

class MacroData;

// For the group of the macro data: reads the group's merged properties into the dialog and,
// on OK, stores the edited ones back into the data and reads them again.
void StartDlgMacroProfAdv(MacroData& data, const Mdx_String& group, const Mdx_String& title,
                          bool flag);
// For several objects through the caller's callback; nothing at all when ids is null or
// empty. flag is the caller's and comes back as the dialog left it.
void StartDlgMacroProfAdv(AcArray<AcDbObjectId>* ids, bool& flag, KvMACallBack callback);

namespace profile_details {
// The callback of the single-macro form: kind read fetches the group's merged properties
// from data.macroData, kind write stores them and fetches them again. False when the data
// has no such group.
bool macroGroupCallback(KvMACallBackType kind, const KvMACallBackData& data,
                        MacroProfData& properties);
}  // namespace profile_details
