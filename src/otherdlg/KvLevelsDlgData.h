#pragma once
// The named levels (elevations) of a drawing: each has a reference level and a value above
// it; its absolute value is the value plus the reference's absolute value ("wcs", or a
// reference that is no level, stands at 0).
#include "core/Mdx_StringArray.h"

class KvLevelsDlgData {
public:
    struct Level {
        Mdx_String name;
        Mdx_String referenceName;
        double value = 0.0;
    };

    virtual ~KvLevelsDlgData() = default;

    void getNames(Mdx_StringArray& names) const;
    // False when there is no such level.
    bool getLevelData(int index, Mdx_String& name, Mdx_String& referenceName, double& value,
                      double& absoluteValue) const;
    // Appends a level on "wcs" at 0; index receives its position. False for an empty or a
    // taken name.
    bool addLevel(const Mdx_String& name, int& index);
    // False when there is no such level or another level refers to it.
    bool deleteLevel(int index);
    bool updateLevel(int index, double value);
    // False for no such level or a reference to itself.
    bool updateLevel(int index, const Mdx_String& referenceName);

    Mdx_Array<Level> levels;

private:
    int find(const Mdx_String& name) const;
    double absoluteValue(int index) const;
};
