#pragma once
// A bolt module: one bolt set (diameter, hole offset) laid out by bolt patterns.
#include "core/macro/Mdx_BoltSettings.h"
#include "core/macro/Mdx_Module.h"

class Mdx_BoltModule : public Mdx_Module {
public:
    Mdx_BoltModule() : Mdx_Module(kBoltModule) {}
    std::unique_ptr<Mdx_Module> clone() const override;

    // Kept as the texts the user entered ("20", "M20" is the section's business, not ours).
    const Mdx_String& diameter() const { return settings_.diameter; }
    void setDiameter(const Mdx_String& text) { settings_.diameter = text; }
    const Mdx_String& holeOffset() const { return settings_.holeOffset; }
    void setHoleOffset(const Mdx_String& text) { settings_.holeOffset = text; }
    Mdx_BoltSettings& settings() { return settings_; }
    const Mdx_BoltSettings& settings() const { return settings_; }

    // The module's patterns (Mdx_DbPattern objects), in layout order.
    AcArray<AcDbObjectId>& patternIds() { return patternIds_; }
    const AcArray<AcDbObjectId>& patternIds() const { return patternIds_; }

protected:
    void writeOwnFields(host::FieldWriter& out) const override;
    bool readOwnFields(host::FieldReader& in) override;

private:
    Mdx_BoltSettings settings_;
    AcArray<AcDbObjectId> patternIds_;
};
