#include "DrawingFileAccess.h"

#include "EvaluateError.h"
#include "core/macro/MacroClasses.h"
#include "host/AcDbDatabase.h"
#include "host/DrawingFile.h"
#include "win/FilePaths.h"

std::string loadDrawingFile(const std::filesystem::path& file, AcDbDatabase& database) {
    registerMacroClasses();
    std::string bytes;
    if (!win::readWholeFile(file, bytes))
        throw EvaluateError(EvaluateExit::DrawingUnreadable,
                            "cannot read the drawing " + file.string() + ": " +
                                win::lastFileError());
    std::string error;
    if (host::DrawingFile::loadText(database, bytes, error) != Acad::eOk)
        throw EvaluateError(EvaluateExit::DrawingMalformed,
                            "the drawing " + file.string() + " is malformed: " + error);
    return bytes;
}

void writeDrawingFile(const std::filesystem::path& file, AcDbDatabase& database,
                      std::string& readBytes) {
    const std::string text = host::DrawingFile::saveText(database);
    if (!win::replaceWholeFileIfUnchanged(file, readBytes, text))
        throw EvaluateError(EvaluateExit::WriteFailed, "cannot write the drawing " +
                                                           file.string() + ": " +
                                                           win::lastFileError() +
                                                           " (the file is as it was)");
    readBytes = text;
}
