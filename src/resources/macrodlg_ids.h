// Dialog and control ids of the macro dialogs: the designed page and the section page of the
// modeless macro dialog, and the bolt settings.
#pragma once

#define IDD_MACRO_PAGE 8137
#define IDD_MACRO_SECTION_PAGE 219
#define IDD_BOLT_ADVANCED 8140
