#pragma once
// The steps every update of the drawing from the macro dialog's data ends with: recompute
// what the macros derive, read them back into the data and commit, all in the caller's
// transaction; and the refusal that leaves its reason in MacroData::updateError.
#include <string>

class AcTransaction;
class MacroData;

namespace macro_update {

// Puts message into data's update error; always false, for `return refuse(...)`.
bool refuse(MacroData& data, std::string message);

// Marks the data busy for as long as it lives, however the update ends.
class BusyScope {
public:
    explicit BusyScope(MacroData& data);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    MacroData& data_;
};

// Recomputes what every macro of the data derives, then reads the macros back into data and
// commits. False, with the reason, when a macro is gone or refuses, or the read-back or the
// commit fails; the transaction is then undone with its scope and data keeps its values.
bool deriveReadBackAndCommit(MacroData& data, AcTransaction& transaction);

}  // namespace macro_update
