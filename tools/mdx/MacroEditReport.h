#pragma once
// The text mdx macro modules|constraints|variables|cuts print: what the editor's pages show.
#include <string>

#include "core/macro/EditConstrData.h"

std::string modulesReport(const EditConstrData& ctx);
std::string constraintsReport(const EditConstrData& ctx);
std::string variablesReport(const EditConstrData& ctx);
std::string cutsReport(const EditConstrData& ctx);
