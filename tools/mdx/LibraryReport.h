#pragma once
// The two forms `mdx library list` prints a library catalog in: a plain text block per
// standard for people, one JSON document for programs.
#include <iosfwd>

struct LibraryCatalog;

void printLibraryTable(const LibraryCatalog& catalog, std::ostream& out);
void printLibraryJson(const LibraryCatalog& catalog, std::ostream& out);
