#pragma once
// The rotations a section's rotation list offers: 0, 90, 180 and 270, each followed by the
// degree sign (byte 0xB0 of the dialogs' code page), then the mixed word.
#include "core/Mdx_StringArray.h"

constexpr char kDegreeSign = '\xB0';

void rotationItems(Mdx_StringArray& items);
// The rotation a shown text stands for: the text without trailing degree signs and blanks.
Mdx_String withoutDegree(Mdx_String text);
// The item of items that shows rotation, -1 when none does.
int rotationItem(const Mdx_StringArray& items, const Mdx_String& rotation);
