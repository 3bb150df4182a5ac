#include "cutstock/CSP2Groups.h"

#include <algorithm>

#include "cutstock/CuttingStockFiles.h"

Mdx_Array<Mdx_StringArray> groupRecords(const CSP2List& list, int groupId) {
    Mdx_Array<Mdx_StringArray> records;
    const int count = std::min(list.groupIds.length(), list.records.length());
    for (int i = 0; i < count; ++i)
        if (list.groupIds[i] == groupId) records.append(list.records[i]);
    return records;
}

void replaceGroupRecords(CSP2List& list, int groupId, const Mdx_Array<Mdx_StringArray>& records) {
    AcArray<int> ids;
    Mdx_Array<Mdx_StringArray> kept;
    const int count = std::min(list.groupIds.length(), list.records.length());
    for (int i = 0; i < count; ++i) {
        if (list.groupIds[i] == groupId) continue;
        ids.append(list.groupIds[i]);
        kept.append(list.records[i]);
    }
    for (const Mdx_StringArray& record : records) {
        ids.append(groupId);
        kept.append(record);
    }
    list.groupIds = ids;
    list.records = kept;
}

GroupNameCheck checkNewGroupName(const DlgCSP2Data& data, const Mdx_String& name) {
    if (!isSafeGroupName(name)) return GroupNameCheck::Unsafe;
    if (data.groupNames.contains(name, false)) return GroupNameCheck::FolderTaken;
    return GroupNameCheck::Accepted;
}

int addGroup(DlgCSP2Data& data, const Mdx_String& name) {
    int largest = 0;
    for (int i = 0; i < data.groupIds.length(); ++i) largest = std::max(largest, data.groupIds[i]);
    data.groupIds.append(largest + 1);
    return data.groupNames.append(name);
}

bool removeGroup(DlgCSP2Data& data, int index) {
    if (index < 0 || index >= data.groupIds.length() || index >= data.groupNames.length())
        return false;
    const int id = data.groupIds[index];
    for (CSP2List* list : {&data.list1, &data.list2, &data.list3})
        replaceGroupRecords(*list, id, {});
    data.groupIds.removeAt(index);
    data.groupNames.removeAt(index);
    return true;
}
