#pragma once
// The launch points of the macro editor. EndDlgEditConstraints, which the module's unload
// calls too, lives with the frame.
#include "frame/ConstraintEditorLaunch.h"
#include "core/macro/EditConstrData.h"

// Modal, without a parent; the record is copied in only. True when it closed with OK.
bool StartDlgEditConstrModal(EditConstrData& data);
// Opens the single modeless editor on a copy of the record, unless one is open already: then
// the open editor stays as it is (its context included) and nothing new is made. True when
// an editor is open afterwards; false only when its window could not be created.
bool StartDlgEditConstraints(EditConstrData& data);
