#pragma once
// What the editor's placing tools put into the context's module: its bolt patterns and its
// coordinate systems with their points, one line each; empty when there are none.
#include <string>

#include "core/macro/EditConstrData.h"

std::string placedReport(const EditConstrData& ctx);
