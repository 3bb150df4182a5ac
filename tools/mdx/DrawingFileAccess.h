#pragma once
// Reading a drawing file for a command and writing it back: what was read is kept, and the
// file is replaced only while it still holds it, so of two runs on one drawing the second
// is refused instead of undoing the first.
#include <filesystem>
#include <string>

class AcDbDatabase;

// Loads the file into database and gives the bytes read. Throws EvaluateError:
// DrawingUnreadable, DrawingMalformed.
std::string loadDrawingFile(const std::filesystem::path& file, AcDbDatabase& database);

// Writes database to file atomically, provided the file still holds readBytes, which then
// become the bytes written. Throws EvaluateError WriteFailed; the file is then as it was.
void writeDrawingFile(const std::filesystem::path& file, AcDbDatabase& database,
                      std::string& readBytes);
