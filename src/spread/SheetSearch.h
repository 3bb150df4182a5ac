#pragma once
// How the sheet compares texts when it searches: find, replace and replace all use this one
// rule. Letters are compared without regard to case, by the core string's case rule (the
// one place that folds letters, for the 8-bit letters of Windows-1252 too), because users
// look for a word without knowing how each cell spells it.
inline constexpr bool kSheetSearchCaseSensitive = false;
