#pragma once
// What a library of connection standards holds, read the way the standards engine reads it:
// every spreadsheet under "Connection Standards\" with its declared variables, the keys of
// its mapping file and its child calls.
#include <string>
#include <vector>

struct LibraryVariable {
    std::string type;  // "Int", "Double" or "String"
    std::string name;
};

struct LibraryMappingKey {
    std::string key;
    int variables = 0;                    // pairs that read as mapped objects
    std::vector<std::string> undeclared;  // mapped names the spreadsheet does not declare
    std::string problem;  // "line 3: ..." when the line does not read as the format
    // Each tie as "variable=Group.Kind Object" (the mapping text with "." for byte 0x95).
    std::vector<std::string> ties;
};

struct LibraryChildCall {
    std::string cell;      // "A22"
    std::string file;      // as written in the call
    std::string resolved;  // the file it resolves to, relative to the library when inside it;
                           // empty when it is missing
    std::vector<std::string> passed;
    std::string problem;  // why the call will fail; empty when nothing is seen against it
};

struct LibraryStandard {
    std::string name;  // relative to "Connection Standards", without ".kvs", '/' between folders
    bool isChild = false;  // under Childs/ or Parents/
    std::string problem;   // why the spreadsheet cannot be used; empty when it can
    std::vector<LibraryVariable> inputs, outputs, locals;
    bool hasMappingFile = false;
    std::vector<LibraryMappingKey> mappingKeys;
    std::vector<LibraryChildCall> childCalls;
    // File names in the equations that reach outside the library (an absolute path, a
    // drive, ".."): the calculation refuses to read them. "A22: /etc/passwd".
    std::vector<std::string> escapingFiles;
    // Section tables of the library whose sizes the spreadsheet names ("IPE300" in a cell or
    // between quotes), and the cells that read sizes through the section functions, whose
    // tables depend on the values passed in ("A22: SECTIONSIZE").
    std::vector<std::string> sectionTables;
    std::vector<std::string> sectionReads;
};

struct LibraryCatalog {
    std::string folder;  // the library folder as the file system names it
    std::vector<LibraryStandard> standards;
    std::vector<std::string> sectionTables;  // the tables of the library's prof folder
};

enum class LibraryScan { Ok, NoFolder, NoStandards };

// "1 variable", "2 variables".
inline std::string counted(size_t n, const std::string& noun) {
    return std::to_string(n) + " " + noun + (n == 1 ? "" : "s");
}

// Reads the library that gSettings names. The standards come sorted by name, child sheets
// after the others.
LibraryScan scanLibrary(LibraryCatalog& catalog);
