#include "standards/KvObjectKind.h"

#include <array>

#include "core/LetterCase.h"

namespace {

struct KindInfo {
    std::string_view keyword;
    KvValueType type;
    bool readOnly;
};

// Indexed by kind value; entry 0 is the invalid kind.
constexpr std::array<KindInfo, kvObjectKindCount> kKinds{{
    {"", KvValueType::String, true},
    {"Distance", KvValueType::Double, false},
    {"GenVar", KvValueType::Double, false},
    {"CutOffset", KvValueType::Double, false},
    {"CutPolyOffset", KvValueType::Double, false},
    {"CutLengthOffset", KvValueType::Double, false},
    {"CutCenterOffset", KvValueType::Double, false},
    {"CutInsideOffset", KvValueType::Double, false},
    {"CutOutsideOffset", KvValueType::Double, false},
    {"CutChamferOffset1", KvValueType::Double, false},
    {"CutChamferOffset2", KvValueType::Double, false},
    {"CutRadius", KvValueType::Double, false},
    {"PrPlName", KvValueType::String, true},
    {"PrPlMaterial", KvValueType::String, true},
    {"OwnedMemberName", KvValueType::String, false},
    {"MemberSectionSize", KvValueType::Double, true},
    {"PatternNrBolts1", KvValueType::String, false},
    {"PatternNrBolts2", KvValueType::String, false},
    {"PatternReverseStart1", KvValueType::Int, false},
    {"PatternReverseStart2", KvValueType::Int, false},
    {"BoltsDiameter", KvValueType::Double, false},
    {"BoltsHoleOffset", KvValueType::Double, false},
}};

// The order in which a mapping text's keyword is recognised. It differs from the value order
// (the pattern kinds come before the profile kinds), and older mapping files depend on it.
constexpr std::array<KvObjectKind, kvObjectKindCount - 1> kMatchOrder{
    KvObjectKind::Distance,
    KvObjectKind::GenVar,
    KvObjectKind::CutOffset,
    KvObjectKind::CutPolyOffset,
    KvObjectKind::CutLengthOffset,
    KvObjectKind::CutCenterOffset,
    KvObjectKind::CutInsideOffset,
    KvObjectKind::CutOutsideOffset,
    KvObjectKind::CutChamferOffset1,
    KvObjectKind::CutChamferOffset2,
    KvObjectKind::CutRadius,
    KvObjectKind::PatternNrBolts1,
    KvObjectKind::PatternNrBolts2,
    KvObjectKind::PatternReverseStart1,
    KvObjectKind::PatternReverseStart2,
    KvObjectKind::PrPlName,
    KvObjectKind::PrPlMaterial,
    KvObjectKind::OwnedMemberName,
    KvObjectKind::MemberSectionSize,
    KvObjectKind::BoltsDiameter,
    KvObjectKind::BoltsHoleOffset,
};

bool inTable(KvObjectKind kind) {
    int value = static_cast<int>(kind);
    return value > 0 && value < kvObjectKindCount;
}

}  // namespace

std::string_view kindKeyword(KvObjectKind kind) {
    return inTable(kind) ? kKinds[static_cast<int>(kind)].keyword : std::string_view{};
}

bool kindValueType(KvObjectKind kind, KvValueType& type) {
    if (!inTable(kind)) return false;
    type = kKinds[static_cast<int>(kind)].type;
    return true;
}

bool kindIsReadOnly(KvObjectKind kind) {
    return !inTable(kind) || kKinds[static_cast<int>(kind)].readOnly;
}

bool kindIsCutOffset(KvObjectKind kind) {
    return kind >= KvObjectKind::CutOffset && kind <= KvObjectKind::CutRadius;
}

bool matchKindKeyword(std::string_view text, KvObjectKind& kind, std::size_t& keywordLength) {
    for (KvObjectKind candidate : kMatchOrder) {
        std::string_view keyword = kindKeyword(candidate);
        if (equalIgnoringCase(text.substr(0, keyword.size()), keyword)) {
            kind = candidate;
            keywordLength = keyword.size();
            return true;
        }
    }
    return false;
}
