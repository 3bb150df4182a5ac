#pragma once
// The functions standards spreadsheets compute with besides the grid's own: rounding to a
// step, look-ups in data files and section tables, standard sizes within tolerances, and a
// few text and test helpers. The grid calls them while it calculates a formula. They keep
// no state between calls but the parsed files, which are read again whenever a file
// changed (standards/KvStandardsFileCache.h).
//
// A call the function cannot serve (an argument of the wrong kind, a file or key that is
// not there) is reported to the grid as not handled, with an empty result.
class Mdx_Spread;

struct KvStandardsFunction {
    const char* name;
    int minArgs;
    int maxArgs;
};

// The functions in the order they are registered.
inline constexpr KvStandardsFunction kStandardsFunctions[] = {
    {"ROUNDTO", 2, 2},
    {"GETCELL", 2, 7},
    {"GETPROFCELL", 2, 7},
    {"SECTIONSIZE", 2, 2},
    {"GETSYSNAME", 1, 1},
    {"STDWIDTHWITHTOLERANCE", 6, 6},
    {"STDTHICKNESSWITHTOLERANCE", 5, 5},
    {"STDSIZEWITHTOLERANCE", 5, 5},
    {"GETARRAYITEM", 2, 2},
    {"TONUMBER", 1, 1},
    {"ISNULL", 1, 1},
    {"ISPOSITIVE", 1, 1},
};

// Registers all of them on the sheet, each with flags 0 (arguments arrive as values). False
// when the grid refused one; the others are registered all the same.
bool registerStandardsFunctions(Mdx_Spread& sheet);
