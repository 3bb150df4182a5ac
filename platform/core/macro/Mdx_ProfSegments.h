#pragma once
// The segments of a profile module whose profiles are made of pieces: each segment has a
// length along the profile and its own section. A module is segmented when it carries the
// list, even an empty one; other modules have none.
#include <string>

#include "core/Mdx_Array.h"
#include "core/Mdx_String.h"
#include "host/FieldReader.h"
#include "host/FieldWriter.h"

struct Mdx_ProfSegment {
    Mdx_String length;  // as typed: a number above 0, in mm
    Mdx_String section;
    bool operator==(const Mdx_ProfSegment&) const = default;
};

struct Mdx_ProfSegments {
    static constexpr int kMaxSegments = 100;

    bool segmented = false;
    Mdx_Array<Mdx_ProfSegment> list;
    // Gathered from several modules whose lists differ: the list shown is the first one's,
    // and it is written back only once the user has set a list for all (mixed cleared).
    // Not kept in the drawing file.
    bool mixed = false;

    bool operator==(const Mdx_ProfSegments& other) const {
        return segmented == other.segmented && list == other.list && mixed == other.mixed;
    }
    // Written only for a segmented module, so other modules keep the bytes they had.
    void writeFields(host::FieldWriter& out) const;
    // Reads the group when it comes next; false, with the reader failed, for a malformed one
    // or more than kMaxSegments segments.
    bool readFields(host::FieldReader& in);
};

// The list a segmented module can take: at most kMaxSegments, each with a length that is a
// number above 0 and a section named. False with the message of the first fault.
bool checkSegments(const Mdx_Array<Mdx_ProfSegment>& list, std::string& message);
