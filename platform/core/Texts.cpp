#include "core/Texts.h"

#include "win/ResourceModule.h"

namespace {

const std::string* findText(int id) {
    if (id < 0) return nullptr;
    const UINT key = static_cast<UINT>(id);
    const win::ResourceModule* module =
        win::resourceModule(win::findResourceModule(key, win::kStringResource));
    if (!module) return nullptr;
    const auto it = module->script.strings.find(key);
    return it == module->script.strings.end() ? nullptr : &it->second;
}

}  // namespace

Mdx_String dialString(int id) {
    const std::string* text = findText(id);
    return text ? Mdx_String(*text) : Mdx_String();
}

Mdx_String string(int id) {
    return dialString(id);
}

bool hasText(int id) {
    return findText(id) != nullptr;
}
