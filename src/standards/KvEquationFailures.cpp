#include "standards/KvEquationFailures.h"

#include <utility>

namespace equation_failures {
namespace {

// Bounded, so a sheet failing in a loop of child calls cannot fill the memory.
constexpr std::size_t kMaxKept = 10000;

std::vector<KvEquationFailure>& failures() {
    static std::vector<KvEquationFailure> list;
    return list;
}

}  // namespace

Mdx_String unknownNameTip() {
    return "If this equation contains variable names, then the translator does not know the "
           "value of the variable. Make sure the variable exists either in input, output, "
           "local declarations or among the gen_ variables.";
}

Mdx_String tipForErrorValue(const Mdx_String& errorValue) {
    const std::string_view value = errorValue.view();
    if (value == "#NAME?") return unknownNameTip();
    if (value == "#VALUE!")
        return "A function could not give a result: a look-up (GETCELL, GETPROFCELL, "
               "SECTIONSIZE, the tolerance functions) found no data file or no line for its "
               "key, or an argument is of the wrong kind (a text where a number is needed).";
    if (value == "#N/A") return "A look-up found no value for its key.";
    if (value == "#DIV/0!")
        return "The formula divides by zero: check the values its divisor is computed from.";
    if (value == "#NUM!") return "A number is out of the range its function accepts.";
    if (value == "#REF!") return "The formula refers to a cell that does not exist.";
    return "The formula calculates to an error value.";
}

void record(KvEquationFailure failure) {
    if (failures().size() < kMaxKept) failures().push_back(std::move(failure));
}

const std::vector<KvEquationFailure>& all() {
    return failures();
}

void clear() {
    failures().clear();
}

}  // namespace equation_failures
