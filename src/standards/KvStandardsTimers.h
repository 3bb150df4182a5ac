#pragma once
// Stopwatches around the stages of a standards evaluation, for finding where the time goes.
// They are shared by nested child evaluations; a stage entered again while it runs only
// deepens its timer. gInitMapping and gInitFromMacro live with the variables.
#include "core/Mdx_Timer.h"

extern Mdx_Timer gLoadFile;
extern Mdx_Timer gInitSSForInput;
extern Mdx_Timer gSSSGetFromMacro;
extern Mdx_Timer gSetMacroValuelsToSS;
extern Mdx_Timer gSSSreplaceGenVars;
extern Mdx_Timer gCalcMain;
extern Mdx_Timer gSetToMacro;
extern Mdx_Timer gGetFromVars;
extern Mdx_Timer gCalcChild;
extern Mdx_Timer gSetToVars;
extern Mdx_Timer gRegisterFuntions;
extern Mdx_Timer gFindDuplicates;
extern Mdx_Timer gCalcCells;
extern Mdx_Timer gCalcCellSplitSymbol;
extern Mdx_Timer gCalcCellFindVarCell;
extern Mdx_Timer gCalcCellFindFunctions;
extern Mdx_Timer gCalcCellCalcNativeFunctions;
extern Mdx_Timer gCalcCellCalcFunctionsPrepare;
extern Mdx_Timer gCalcCellGetVarNames;
extern Mdx_Timer gCalcCellGetVarCoords;
extern Mdx_Timer gCalcCellGetVarCoordName;
extern Mdx_Timer gCalcCellReplaceVariables;
extern Mdx_Timer gCalcCellCalcFunctions;
