#pragma once
// The picks the macro editor asks of the user in the drawing: the objects a new constraint
// joins, another macro to edit (or to take the other part of a cut from), and a position
// (where a bolt pattern or a coordinate system goes). The stand-in host has no drawing
// window, so each pick takes the next answer a test or scenario queued: an object's name, a
// macro's handle, a point "x,y" or "x,y,z". With none queued the user cancelled.
#include "core/Mdx_String.h"
#include "core/macro/Mdx_CoordSystem.h"

namespace macro_edit_pickers {
enum class Pick { Object, Macro, Position };
void queue(Pick pick, const Mdx_String& answer);
// The next queued answer; false when none is left.
bool take(Pick pick, Mdx_String& answer);
int queuedCount(Pick pick);
// The next queued position; false when none is left (cancelled) or it is no point.
bool takePosition(Mdx_Point3& point);
void clear();
}  // namespace macro_edit_pickers
