#pragma once
// The picks the macro editor asks of the user in the drawing: the objects a new constraint
// joins, and another macro to edit (or to take the other part of a cut from). The stand-in
// host has no drawing window, so each pick takes the next answer a test or scenario queued:
// an object's name, a macro's handle. With none queued the user cancelled.
#include "core/Mdx_String.h"

namespace macro_edit_pickers {
enum class Pick { Object, Macro };
void queue(Pick pick, const Mdx_String& answer);
// The next queued answer; false when none is left.
bool take(Pick pick, Mdx_String& answer);
int queuedCount(Pick pick);
void clear();
}  // namespace macro_edit_pickers
