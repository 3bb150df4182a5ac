#pragma once
// The groups of the cutting-stock record and the records each keeps in the three lists.
#include "cutstock/DlgCSP2Data.h"

// The records of the group in the list, in their order.
Mdx_Array<Mdx_StringArray> groupRecords(const CSP2List& list, int groupId);
// Removes the group's records from the list and appends records with the group's id.
void replaceGroupRecords(CSP2List& list, int groupId, const Mdx_Array<Mdx_StringArray>& records);

enum class GroupNameCheck { Accepted, Unsafe, FolderTaken };
// Whether a new group of that name may be added: its folder must stay inside the library's
// stock folder and no other group may have the same folder (names equal ignoring case).
GroupNameCheck checkNewGroupName(const DlgCSP2Data& data, const Mdx_String& name);
// Appends the group with id = largest id + 1 (1 for the first); its index.
int addGroup(DlgCSP2Data& data, const Mdx_String& name);
// Removes the group at index with its records in all three lists; false for a bad index.
bool removeGroup(DlgCSP2Data& data, int index);
