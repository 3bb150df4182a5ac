#pragma once
// Finds the lines of a mapping file that do not read as the mapping format. A file saved by a
// text editor as UTF-8 turns every separator byte into two or three bytes; such a line reads
// as no ties at all, and an evaluation would then run with empty inputs. The check names the
// line (as an editor counts it, the version line included) and what is wrong with it.
#include <vector>

#include "core/Mdx_String.h"

struct KvMappingProblem {
    int lineNumber = 0;
    Mdx_String key;
    Mdx_String message;
};

namespace mappingfile {

// What is wrong with one mapping line; empty for a sound line (a key, "=" and pairs of a
// variable name, 0x83 and a mapping text, separated by 0xBF; no pairs at all is sound).
Mdx_String lineProblem(const Mdx_String& line);

// The unsound lines of the mapping file of spreadsheet name (empty when the file is sound or
// absent). Blank lines are passed over.
std::vector<KvMappingProblem> findProblems(const Mdx_String& name);

}  // namespace mappingfile
