#pragma once
// The options of a cut as the cut dialog sets them: which variant of its kind the cut takes,
// its checks and choice, the prefix of the variables it makes, and which part it cuts (a
// module of this macro or of another). The meaning of each option for the cut's calculation
// is the cut calculation's; the model keeps what the user chose.
#include "core/Mdx_String.h"
#include "host/AcDbObjectId.h"

namespace host {
class FieldReader;
class FieldWriter;
}  // namespace host

struct Mdx_CutOptions {
    static constexpr int kChoiceCount = 4;
    static constexpr int kMaxTextLength = 255;

    bool secondOption = false;         // profile against plate: the second variant
    bool check1325 = false;            // profile against plate
    bool check1326 = false;            // profile against plate, only with check1325
    bool threeSegments = true;         // three segments: off for the third variant
    bool threeSegmentsSecond = false;  // three segments: the second variant
    bool check1323 = false;            // profile against plate, profile in profile
    int choice = 0;                    // profile against plate: one of four, from 0
    Mdx_String variablePrefix;
    int otherPartSource = 1;           // 1 a module of this macro, 2 of another macro
    Mdx_String otherModule;            // the module of the other part; empty: the cut's own
    // With source 2, the macro of the other part; null when it was never chosen. The id may
    // name a macro that was erased since: readers check it, they never assume it.
    AcDbObjectId otherMacro;

    bool isDefault() const { return *this == Mdx_CutOptions(); }
    friend bool operator==(const Mdx_CutOptions&, const Mdx_CutOptions&) = default;
};

// Nothing for default options, so cuts written before options were kept keep their bytes.
void writeCutOptions(host::FieldWriter& out, const Mdx_CutOptions& options);
// Reads the group when it comes next (options stays default otherwise); refuses unknown
// flags, a choice or source out of range, texts longer than kMaxTextLength and another
// macro for a cut whose other part is in its own macro.
bool readCutOptions(host::FieldReader& in, Mdx_CutOptions& options);
