#pragma once
// A bolt pattern of a bolt module, as its own database object so that several bolt modules
// of a drawing can be laid out by it.
#include "core/Mdx_String.h"
#include "core/macro/Mdx_CoordSystem.h"
#include "core/macro/Mdx_Pattern.h"
#include "host/AcDbObject.h"

class Mdx_DbPattern : public AcDbObject {
public:
    static constexpr const char* kClassName = "Mdx_DbPattern";

    const char* className() const override { return kClassName; }
    void writeFields(host::FieldWriter& out) const override;
    Acad::ErrorStatus readFields(host::FieldReader& in) override;

    const Mdx_String& name() const { return name_; }
    void setName(const Mdx_String& name) { name_ = name; }
    Mdx_Pattern& pattern() { return pattern_; }
    const Mdx_Pattern& pattern() const { return pattern_; }

    // Where the pattern starts, when it was placed at a picked point (the editor's bolt
    // pattern tool); patterns laid out by their module alone have none.
    bool hasOrigin() const { return hasOrigin_; }
    const Mdx_Point3& origin() const { return origin_; }
    void setOrigin(const Mdx_Point3& origin) {
        origin_ = origin;
        hasOrigin_ = true;
    }

private:
    Mdx_String name_;
    Mdx_Pattern pattern_;
    bool hasOrigin_ = false;
    Mdx_Point3 origin_{};
};
