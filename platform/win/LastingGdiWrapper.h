#pragma once
// Wrappers of handles that the program does not own: what SelectObject hands back and what
// FromHandle finds. They last as long as the program, one per handle and wrapper class, and
// never delete their handle.
#include <map>
#include <memory>

#include "win/Gdi.h"

namespace win::detail {

template <class Wrapper>
Wrapper* lastingWrapper(HGDIOBJ handle) {
    static std::map<HGDIOBJ, std::unique_ptr<Wrapper>> wrappers;
    if (!handle) return nullptr;
    auto& slot = wrappers[handle];
    if (!slot) {
        slot = std::make_unique<Wrapper>();
        slot->m_hObject = handle;
        slot->m_owns = false;
    }
    return slot.get();
}

}  // namespace win::detail
