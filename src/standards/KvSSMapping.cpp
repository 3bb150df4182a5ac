#include "standards/KvSSMapping.h"

#include <vector>

#include "core/PathHelpers.h"
#include "core/StringHelpers.h"
#include "core/macro/StringChecks.h"
#include "standards/KvDlgStandardsData.h"
#include "standards/KvMappingFile.h"

namespace {

// Texts that cannot be stored in a mapping line and read back as written: a line break
// ends the line, and the separator bytes would split the pair in the wrong place.
bool breaksMappingLine(const Mdx_String& text) {
    for (char c : {'\r', '\n', kMappingPairSeparator, kMappingVarSeparator})
        if (text.findChar(c) >= 0) return true;
    return false;
}

}  // namespace

Acad::ErrorStatus KvSSMapping::initFromModuleGroup(Mdx_String group) {
    if (group.isEmpty()) return Acad::eInvalidInput;
    mappingMode = kModuleGroup;
    return Acad::eOk;
}

Acad::ErrorStatus KvSSMapping::initFromMacro(KvDlgStandardsData& data) {
    if (!data.dbMacro || !data.moduleGroup.isEmpty()) return Acad::eInvalidInput;
    mappingMode = kMappingFile;
    return getMappingFromFile(data.fileName, data.mapsTo);
}

Acad::ErrorStatus KvSSMapping::getMappingFromFile(Mdx_String name, const Mdx_String& key) {
    const auto lines = mappingfile::sharedLines(name);
    if (!lines) return Acad::eInvalidInput;
    if (lines->isEmpty()) return Acad::eOk;
    const int index = mappingfile::findKey(*lines, key);
    if (index < 0) return Acad::eInvalidInput;
    return initMappingFromLine((*lines)[index]);
}

Acad::ErrorStatus KvSSMapping::initMappingFromLine(const Mdx_String& line) {
    objects_.setEmpty();
    Mdx_String key, pairs;
    if (!line.splitAtFirst("=", key, pairs, true)) return Acad::eInvalidInput;
    Mdx_StringArray items;
    strToArr(pairs, items, Mdx_String(kMappingPairSeparator));
    for (const Mdx_String& item : items) {
        Mdx_String ssVar, text;
        if (!item.splitAtFirst(Mdx_String(kMappingVarSeparator), ssVar, text, true)) continue;
        KvObjectMap object;
        if (object.getMappingFromStrs(ssVar, text) != Acad::eOk) continue;
        objects_.append(object);
    }
    return Acad::eOk;
}

Acad::ErrorStatus KvSSMapping::setMappingToFile(Mdx_String name, Mdx_String& key) {
    // A key with "=" would be cut at it when read back, one with a line break would split
    // the file: neither could ever be found again.
    if (key.findChar('=') >= 0 || key.findChar('\r') >= 0 || key.findChar('\n') >= 0)
        return Acad::eInvalidInput;
    Mdx_StringArray texts, ssVars;
    for (const KvObjectMap& object : objects_) {
        Mdx_String text, ssVar;
        if (object.setMappingToStrs(text, ssVar) != Acad::eOk) continue;
        texts.append(text);
        ssVars.append(ssVar);
    }
    AcArray<int> duplicates;
    getDuplicates(ssVars, duplicates, false);
    for (int i = duplicates.length() - 1; i >= 0; --i) {
        texts.removeAt(duplicates[i]);
        ssVars.removeAt(duplicates[i]);
    }
    for (int i = ssVars.length() - 1; i >= 0; --i) {
        if (hasInvalidFileNameChars(ssVars[i]) || breaksMappingLine(ssVars[i]) ||
            breaksMappingLine(texts[i])) {
            texts.removeAt(i);
            ssVars.removeAt(i);
        }
    }
    Mdx_String line = key + "=";
    for (int i = 0; i < ssVars.length(); ++i) {
        if (i > 0) line += kMappingPairSeparator;
        line += ssVars[i] + kMappingVarSeparator + texts[i];
    }

    Mdx_StringArray lines;
    if (!mappingfile::readLines(name, lines)) lines.setEmpty();
    int present = mappingfile::findKey(lines, key);
    if (present >= 0) {
        // The stored line stays when it holds exactly what would be written. Both directions
        // are compared: a mapping that lost a tie is a change, although the one-sided test
        // would call the two equal.
        KvSSMapping stored, written;
        if (stored.initMappingFromLine(lines[present]) == Acad::eOk &&
            written.initMappingFromLine(line) == Acad::eOk && written.isEqual(stored) &&
            stored.isEqual(written))
            return Acad::eOk;
        lines.removeAt(present);
    }
    lines.append(line);
    return mappingfile::writeLines(name, lines) ? Acad::eOk : Acad::eInvalidInput;
}

bool KvSSMapping::hasSameMapping(const Mdx_String& name, Mdx_String& key) const {
    Mdx_StringArray lines;
    if (!mappingfile::readLines(name, lines)) return false;
    for (const Mdx_String& line : lines) {
        KvSSMapping stored;
        if (stored.initMappingFromLine(line) == Acad::eOk && isEqual(stored)) {
            key = mappingfile::keyOf(line);
            return true;
        }
    }
    return false;
}

bool KvSSMapping::isEqual(const KvSSMapping& other) const {
    for (const KvObjectMap& object : objects_) {
        KvValueType type;
        int index = -1;
        if (!object.valueType(type) ||
            other.findSSVar(object.ssVarName, type, index) != Acad::eOk ||
            other.objects_[index].isCompatible(object) != Acad::eOk)
            return false;
    }
    return true;
}

Acad::ErrorStatus KvSSMapping::findSSVar(const Mdx_String& ssVar, const KvValueType& type,
                                         int& index) const {
    for (int i = 0; i < objects_.length(); ++i) {
        KvValueType objectType;
        if (objects_[i].valueType(objectType) && objectType == type &&
            objects_[i].ssVarName.equal(ssVar, false)) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus KvSSMapping::isCompatible(const KvSSMapping& other, int& missing) const {
    missing = 0;
    for (const KvObjectMap& object : objects_) {
        int index = -1;
        if (other.findCompatible(object, index) != Acad::eOk) ++missing;
    }
    return Acad::eOk;
}

Acad::ErrorStatus KvSSMapping::findCompatible(const KvObjectMap& object, int& index) const {
    for (int i = 0; i < objects_.length(); ++i) {
        if (objects_[i].isCompatible(object) == Acad::eOk) {
            index = i;
            return Acad::eOk;
        }
    }
    return Acad::eInvalidInput;
}

Acad::ErrorStatus KvSSMapping::getValidVars(const bool&, const KvValueType& type,
                                            AcArray<int>& indices) const {
    indices.removeAll();
    for (int i = 0; i < objects_.length(); ++i) {
        KvValueType objectType;
        if (objects_[i].valueType(objectType) && isNumeric(objectType) == isNumeric(type))
            indices.append(i);
    }
    return Acad::eOk;
}

Acad::ErrorStatus KvSSMapping::sortValidVars(AcArray<int>& indices,
                                             const AcArray<int>& order) const {
    std::vector<int> positions(indices.begin(), indices.end());
    indices.removeAll();
    if (order.isEmpty()) return Acad::eInvalidInput;
    std::vector<std::vector<int>> buckets(static_cast<std::size_t>(order.length()));
    for (int position : positions) {
        int category = objects_.isValidIndex(position) ? objects_[position].category : -1;
        int bucket = order.find(category);
        if (bucket < 0) bucket = order.length() - 1;
        buckets[static_cast<std::size_t>(bucket)].push_back(position);
    }
    for (const std::vector<int>& bucket : buckets) {
        indices.append(-1);
        for (int position : bucket) indices.append(position);
    }
    return Acad::eOk;
}
