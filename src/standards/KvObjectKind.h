#pragma once
// The kinds of macro objects a spreadsheet variable can be tied to. The keyword of a kind is
// its name in mapping texts and mapping files, so the values and keywords never change.
#include <string_view>

#include "standards/KvValueType.h"

enum class KvObjectKind : int {
    None = 0,
    Distance = 1,
    GenVar = 2,
    CutOffset = 3,
    CutPolyOffset = 4,
    CutLengthOffset = 5,
    CutCenterOffset = 6,
    CutInsideOffset = 7,
    CutOutsideOffset = 8,
    CutChamferOffset1 = 9,
    CutChamferOffset2 = 10,
    CutRadius = 11,
    PrPlName = 12,
    PrPlMaterial = 13,
    OwnedMemberName = 14,
    MemberSectionSize = 15,
    PatternNrBolts1 = 16,
    PatternNrBolts2 = 17,
    PatternReverseStart1 = 18,
    PatternReverseStart2 = 19,
    BoltsDiameter = 20,
    BoltsHoleOffset = 21,
};

inline constexpr int kvObjectKindCount = 22;

// The keyword of a kind; empty for None and for values outside the table.
std::string_view kindKeyword(KvObjectKind kind);

// The value type of the spreadsheet variables a kind accepts; false for None (and values
// outside the table), which accept none.
bool kindValueType(KvObjectKind kind, KvValueType& type);

// Kinds whose value the macro only reports (base-profile names, materials, section sizes).
bool kindIsReadOnly(KvObjectKind kind);

// Kinds 3 to 11 are the nine cut offsets; the offset type is the kind minus CutOffset.
bool kindIsCutOffset(KvObjectKind kind);

// Finds the keyword that text begins with, testing the keywords in the fixed order of the
// mapping format (which lets "CutOffsetX" read as CutOffset, and keeps "CutChamferOffset2"
// from being read as its shorter sibling because neither is a prefix of the other). On a
// match, kind and keywordLength are set and true is returned. Letter case is ignored, as in
// every name test of the mapping. Leading blanks are the caller's to remove.
bool matchKindKeyword(std::string_view text, KvObjectKind& kind, std::size_t& keywordLength);
