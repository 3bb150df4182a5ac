// The text form of sheet settings from arbitrary bytes: a refused text leaves the store as it
// was, and a store that was read writes a text that reads back to the same entries, whatever
// separator bytes and escapes its values hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "spread/PropStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const Mdx_String text{std::string_view(reinterpret_cast<const char*>(data), size)};
    PropStore store;
    store.setText("Kept", "\xA4 value \\s");
    if (!store.fromText(text)) {
        Mdx_String kept;
        if (store.size() != 1 || !store.getText("Kept", kept) || kept != "\xA4 value \\s")
            std::abort();
        return 0;
    }
    const Mdx_String written = store.toText();
    PropStore again;
    if (!again.fromText(written) || again.toText() != written || again.size() != store.size())
        std::abort();
    return 0;
}
