#include "frame/ExtensionModule.h"

#include "win/ResourceModule.h"

bool ExtensionModule::initialise(HINSTANCE instance) {
    if (!instance || !win::resourceModule(instance)) return false;
    module = instance;
    return true;
}

void ExtensionModule::linkIntoResourceSearch() {
    if (!module || linked) return;
    win::addResourceSearchModule(module);
    linked = true;
}

void ExtensionModule::terminate() {
    if (linked) win::removeResourceSearchModule(module);
    linked = false;
    module = nullptr;
}
