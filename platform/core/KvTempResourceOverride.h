#pragma once

// While an instance lives, dialog templates, bitmaps and strings are looked up in the
// module's own resources (the handle saved with SaveDefaultResource); when it goes, the
// resource handle that was current before comes back. Instances nest; one destroyed out of
// order (not the innermost) hands its saved handle on to the one made after it, so the
// handle that finally comes back is always the one from before the outermost instance.

#include "win/WinTypes.h"

class KvTempResourceOverride {
public:
    KvTempResourceOverride();  // switches to the default resource (no switch when none saved)
    explicit KvTempResourceOverride(HINSTANCE module);
    ~KvTempResourceOverride();
    KvTempResourceOverride(const KvTempResourceOverride&) = delete;
    KvTempResourceOverride& operator=(const KvTempResourceOverride&) = delete;

    // The module's own resources; called once when the module is attached.
    static void SaveDefaultResource(HINSTANCE module);
    static HINSTANCE defaultResource();

    // The handle this instance will restore.
    HINSTANCE previous() const { return m_previous; }

private:
    void enter(HINSTANCE module);

    HINSTANCE m_previous = nullptr;
};
