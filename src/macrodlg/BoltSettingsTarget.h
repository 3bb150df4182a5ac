#pragma once
// What the bolt settings dialog applies through: the page that opened it. The page replaces
// its tab's bolt data with data, applies the tab, and copies the applied bolt data (as the
// update left it) back into data. False when the update refused.
struct MacroBoltData;

class BoltSettingsTarget {
public:
    virtual ~BoltSettingsTarget() = default;
    virtual bool applyBoltData(MacroBoltData& data) = 0;
};
