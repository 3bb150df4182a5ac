#pragma once
// The drawing file of this host: a database saved as versioned JSON text (docs/host.md).
// Objects are saved by class name and the fields they write; loading asks the object class
// registry for each class. A file this program wrote loads and saves again to the same bytes.
#include <filesystem>
#include <string>
#include <string_view>

#include "host/AcadErrorStatus.h"

class AcDbDatabase;

namespace host {

class DrawingFile {
public:
    static constexpr int kVersion = 1;

    // Replaces the database's objects with the file's. On any failure the database is left
    // as it was and error says what is wrong and where: eFileNotFound when the file cannot be
    // read, eMalformedFile for text that is not a drawing, eUnknownClass for an object class
    // nobody registered, eDatabaseBusy while a transaction runs. Pointers to the objects the
    // database held before a successful load are no longer valid.
    static Acad::ErrorStatus load(AcDbDatabase& database, const std::filesystem::path& file,
                                  std::string& error);
    static Acad::ErrorStatus loadText(AcDbDatabase& database, std::string_view text,
                                      std::string& error);

    // Writes the objects that are not erased, atomically: a failed save leaves the previous
    // file as it was (eFileWriteFailed). eDatabaseBusy while a transaction runs, because its
    // changes may still be undone.
    static Acad::ErrorStatus save(const AcDbDatabase& database, const std::filesystem::path& file,
                                  std::string& error);
    static std::string saveText(const AcDbDatabase& database);
};

}  // namespace host
