// Feeds arbitrary bytes to the reading of a designed dialog's control list as
// GetImageDlgCtrlNames does it: whatever the list says, names come only from its keys.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/Mdx_PropertiesList.h"
#include "designer/DesignedControlNames.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const Mdx_String bytes{std::string_view(reinterpret_cast<const char*>(data), size)};
    Mdx_PropertiesList list;
    if (!list.fromText(bytes)) return 0;
    Mdx_StringArray names;
    const bool read = designer::controlNamesOf(list, names);
    if (names.length() > list.count() || (!read && !names.isEmpty())) std::abort();
    return 0;
}
