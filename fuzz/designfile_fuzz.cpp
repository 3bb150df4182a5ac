// Feeds arbitrary bytes to the reading of a designed dialog's control list, both as the
// names of GetImageDlgCtrlNames and as a whole design read by the document: whatever the
// list says, controls come only from its keys, the document never holds more controls than
// it has ids for, and a refused file leaves the document as it was.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/FileHelpers.h"
#include "core/Mdx_PropertiesList.h"
#include "core/Mdx_Settings.h"
#include "designer/Mdx_DlgDesignerData.h"

namespace {

Mdx_String designFile() {
    static const Mdx_String path = [] {
        const auto library = std::filesystem::temp_directory_path() /
                             ("mdx-designfile-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(library / "Dialog Templates" / "Dialog Design");
        gSettings.setLibraryFolder(library.string());
        return getDesignerRootFolder() + "Fuzz.txt";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const Mdx_String bytes{std::string_view(reinterpret_cast<const char*>(data), size)};
    Mdx_PropertiesList list;
    std::vector<Mdx_DesignerControl> controls;
    const bool parsed = list.fromText(bytes);
    const bool read = parsed && Mdx_DlgDesignerData::readControls(list, controls);
    if (static_cast<int>(controls.size()) > list.count() || (!read && !controls.empty()))
        std::abort();

    if (!writeWholeFile(designFile(), bytes)) return 0;
    Mdx_DlgDesignerData document;
    Mdx_DesignerControl before;
    before.contents = "before";
    document.append(before);
    const bool loaded = document.readFromFile(designFile(), true);
    if (loaded != (read && controls.size() <= 100)) std::abort();
    if (!loaded && (document.getNrControls() != 1 || !document.getName().isEmpty())) std::abort();
    if (loaded && document.getNrControls() != static_cast<int>(controls.size())) std::abort();
    for (int i = 0; i < document.getNrControls(); ++i)
        if (document.getControl(i)->resId != 33000 + i) std::abort();
    return 0;
}
