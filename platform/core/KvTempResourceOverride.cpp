#include "core/KvTempResourceOverride.h"

#include <algorithm>
#include <vector>

#include "win/ResourceModule.h"

namespace {

HINSTANCE& savedDefault() {
    static HINSTANCE module = nullptr;
    return module;
}

// The living instances, oldest first.
std::vector<KvTempResourceOverride*>& living() {
    static std::vector<KvTempResourceOverride*> instances;
    return instances;
}

}  // namespace

KvTempResourceOverride::KvTempResourceOverride() {
    enter(savedDefault());
}

KvTempResourceOverride::KvTempResourceOverride(HINSTANCE module) {
    enter(module);
}

void KvTempResourceOverride::enter(HINSTANCE module) {
    m_previous = AfxGetResourceHandle();
    living().push_back(this);
    if (module) AfxSetResourceHandle(module);
}

KvTempResourceOverride::~KvTempResourceOverride() {
    auto& instances = living();
    const auto self = std::find(instances.begin(), instances.end(), this);
    if (self == instances.end()) return;
    const bool innermost = self + 1 == instances.end();
    if (innermost) {
        AfxSetResourceHandle(m_previous);
    } else {
        // The next instance was made while this one was active; it now restores what this
        // one would have.
        (*(self + 1))->m_previous = m_previous;
    }
    instances.erase(self);
}

void KvTempResourceOverride::SaveDefaultResource(HINSTANCE module) {
    savedDefault() = module;
}

HINSTANCE KvTempResourceOverride::defaultResource() {
    return savedDefault();
}
