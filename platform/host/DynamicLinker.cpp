#include "host/DynamicLinker.h"

namespace host {

DynamicLinker& DynamicLinker::instance() {
    static DynamicLinker linker;
    return linker;
}

DynamicLinker::Application* DynamicLinker::find(void* appId) {
    for (Application& app : applications_) {
        if (app.id == appId) return &app;
    }
    return nullptr;
}

const DynamicLinker::Application* DynamicLinker::find(void* appId) const {
    return const_cast<DynamicLinker*>(this)->find(appId);
}

bool DynamicLinker::unlockApplication(void* appId) {
    Application* app = find(appId);
    if (app) app->locked = false;
    return app != nullptr;
}

bool DynamicLinker::lockApplication(void* appId) {
    Application* app = find(appId);
    if (app) app->locked = true;
    return app != nullptr;
}

bool DynamicLinker::registerMultiDocumentAware(void* appId) {
    Application* app = find(appId);
    if (app) app->multiDocumentAware = true;
    return app != nullptr;
}

bool DynamicLinker::isKnown(void* appId) const {
    return find(appId) != nullptr;
}

bool DynamicLinker::isApplicationLocked(void* appId) const {
    const Application* app = find(appId);
    return app != nullptr && app->locked;
}

bool DynamicLinker::isMultiDocumentAware(void* appId) const {
    const Application* app = find(appId);
    return app != nullptr && app->multiDocumentAware;
}

void DynamicLinker::addApplication(void* appId) {
    if (appId != nullptr && !find(appId)) applications_.push_back(Application{appId});
}

void DynamicLinker::removeApplication(void* appId) {
    for (auto it = applications_.begin(); it != applications_.end(); ++it) {
        if (it->id == appId) {
            applications_.erase(it);
            return;
        }
    }
}

}  // namespace host
