#pragma once
// What the command line of mdx evaluate asks for, as typed (UTF-8).
#include <string>
#include <vector>

struct EvaluateOptions {
    std::string standard;  // a name in "Connection Standards" (.kvs optional) or a path
    std::string drawing;   // the drawing file
    std::string macro;     // the macro's name or handle
    std::string mapsTo;    // "Module.GROUP" or a key of the mapping file; empty: none
    std::string library;   // the library folder; empty: MDX_LIBRARY or the sample library
    std::vector<std::string> generalVariables;  // NAME=VALUE
    std::vector<std::string> allowedFolders;    // data and child files may come from here too
    bool write = false;
    bool allowFailures = false;  // write even when equations failed
    bool json = false;
    // --all: every macro of the drawing that a mapping ties to a standard, or to one of
    // batchStandards when any are named.
    bool all = false;
    std::vector<std::string> batchStandards;
};
