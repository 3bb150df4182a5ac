// Mapping lines and mapping texts from arbitrary bytes: parsing must never crash, and every
// object a line yields must write a text that reads back as the same object.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "core/StringHelpers.h"
#include "standards/KvMappingCheck.h"
#include "standards/KvMappingFile.h"
#include "standards/KvSSMapping.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Mdx_String bytes(reinterpret_cast<const char*>(data), static_cast<int>(size));
    KvSSMapping mapping;
    mapping.initMappingFromLine(bytes);
    for (const KvObjectMap& object : mapping.mappedObjects()) {
        Mdx_String text, ssVar;
        if (object.setMappingToStrs(text, ssVar) != Acad::eOk) std::abort();
        KvObjectMap back;
        if (back.getMappingFromStrs(ssVar, text) != Acad::eOk) std::abort();
        // The group cannot hold a 0x95 and the object starts after the first blank, so a
        // written object reads back as itself.
        if (back.kind != object.kind || !back.groupName.equal(object.groupName, true) ||
            !back.objectName.equal(object.objectName, true))
            std::abort();
    }
    // A line the check calls sound ties every one of its pairs: nothing is dropped silently.
    Mdx_String key, pairs;
    if (mappingfile::lineProblem(bytes).isEmpty() && bytes.splitAtFirst("=", key, pairs, true) &&
        !pairs.isEmpty()) {
        Mdx_StringArray items;
        strToArr(pairs, items, Mdx_String(kMappingPairSeparator));
        if (items.length() != mapping.mappedObjects().length()) std::abort();
    }
    KvObjectMap single;
    single.getMappingFromStrs("v", bytes);
    KvSSMapping other;
    other.initMappingFromLine("k=" + bytes);
    int missing = 0;
    mapping.isCompatible(other, missing);
    mapping.isEqual(other);
    AcArray<int> indices;
    mapping.getValidVars(true, KvValueType::Double, indices);
    AcArray<int> order{0, 1, 2, 3};
    mapping.sortValidVars(indices, order);
    return 0;
}
