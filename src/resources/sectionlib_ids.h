// Dialog numbers of the section library dialogs.
#pragma once

#define IDD_EDIT_SECTIONLIB 9101
#define IDD_EDITLIBSIMPLE 9102
