#include "otherdlg/KvLevelsDlgData.h"

void KvLevelsDlgData::getNames(Mdx_StringArray& names) const {
    names.setEmpty();
    for (const Level& level : levels) names.append(level.name);
}

int KvLevelsDlgData::find(const Mdx_String& name) const {
    for (int i = 0; i < levels.length(); ++i)
        if (levels[i].name == name) return i;
    return -1;
}

// Follows the references down to "wcs"; a chain longer than the levels is a cycle and
// stops there rather than recursing for ever.
double KvLevelsDlgData::absoluteValue(int index) const {
    double total = 0.0;
    for (int steps = 0; index >= 0 && steps <= levels.length(); ++steps) {
        total += levels[index].value;
        index = find(levels[index].referenceName);
    }
    return total;
}

bool KvLevelsDlgData::getLevelData(int index, Mdx_String& name, Mdx_String& referenceName,
                                   double& value, double& absolute) const {
    if (!levels.isValidIndex(index)) return false;
    name = levels[index].name;
    referenceName = levels[index].referenceName;
    value = levels[index].value;
    absolute = absoluteValue(index);
    return true;
}

bool KvLevelsDlgData::addLevel(const Mdx_String& name, int& index) {
    if (name.isEmpty() || name == "wcs" || find(name) >= 0) return false;
    index = levels.append(Level{name, "wcs", 0.0});
    return true;
}

bool KvLevelsDlgData::deleteLevel(int index) {
    if (!levels.isValidIndex(index)) return false;
    for (const Level& level : levels)
        if (level.referenceName == levels[index].name) return false;
    return levels.removeAt(index);
}

bool KvLevelsDlgData::updateLevel(int index, double value) {
    if (!levels.isValidIndex(index)) return false;
    levels[index].value = value;
    return true;
}

bool KvLevelsDlgData::updateLevel(int index, const Mdx_String& referenceName) {
    if (!levels.isValidIndex(index) || levels[index].name == referenceName) return false;
    levels[index].referenceName = referenceName;
    return true;
}
