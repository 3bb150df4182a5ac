#include "host/AcadErrorStatus.h"

#include <map>
#include <mutex>
#include <string>

namespace Acad {

namespace {

const char* namedStatusText(ErrorStatus status) {
    switch (status) {
        case eOk:
            return "eOk";
        case eInvalidInput:
            return "eInvalidInput";
        case eUnavailable:
            return "eUnavailable";
        case eObjectNotFound:
            return "eObjectNotFound";
        case eObjectErased:
            return "eObjectErased";
        case eNotOpenForWrite:
            return "eNotOpenForWrite";
        case eWrongObjectClass:
            return "eWrongObjectClass";
        case eInnerTransactionOpen:
            return "eInnerTransactionOpen";
        case eTransactionEnded:
            return "eTransactionEnded";
        case eUnknownClass:
            return "eUnknownClass";
        case eDatabaseBusy:
            return "eDatabaseBusy";
        case eFileNotFound:
            return "eFileNotFound";
        case eFileWriteFailed:
            return "eFileWriteFailed";
        case eMalformedFile:
            return "eMalformedFile";
    }
    return nullptr;
}

}  // namespace

const char* errorStatusText(ErrorStatus status) {
    if (const char* name = namedStatusText(status)) return name;
    // Raw codes get a text that is kept for the program's life, so callers may hold on to it.
    static std::mutex guard;
    static std::map<int, std::string> rawTexts;
    std::lock_guard<std::mutex> lock(guard);
    auto [it, inserted] = rawTexts.try_emplace(status, "status " + std::to_string(status));
    return it->second.c_str();
}

}  // namespace Acad
