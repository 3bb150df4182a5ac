#pragma once
// For the designer's tests: a library folder of the test's own with the designs' root
// folder, pictures made to measure, and a host dialog to realise designs on.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Mdx_Settings.h"
#include "designer/DesignPicture.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "frame/FrameTestSupport.h"
#include "resources/designer_ids.h"
#include "win/CDialog.h"

namespace designer_testing {

// The colour of a pixel as 0xRRGGBB.
using PixelColour = std::function<std::uint32_t(int x, int y)>;

// A 24-bit bitmap file of the given size.
inline std::string bmpBytes(int width, int height, const PixelColour& colour) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(colour(x, y));
    return designer::bitmapFileBytes(width, height, pixels.data());
}

class DesignerTest : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        resources = std::make_unique<KvTempResourceOverride>();
        gSettings.setLibraryFolder(folder.string());
        std::filesystem::create_directories(rootFolder());
    }
    void TearDown() override {
        host.reset();
        resources.reset();
        gSettings.setLibraryFolder("");
        FrameTest::TearDown();
    }
    std::filesystem::path rootFolder() const {
        return folder / "Dialog Templates" / "Dialog Design";
    }
    // The module path of a design file under the root folder ("Sub\\Page.txt").
    static Mdx_String designPath(const char* relative) {
        return getDesignerRootFolder() + relative;
    }
    void writeRootFile(const std::string& relative, const std::string& bytes) const {
        const auto path = rootFolder() / relative;
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << bytes;
    }
    void writePicture(const std::string& relative, int width, int height,
                      const PixelColour& colour = [](int, int) { return 0x336699u; }) const {
        writeRootFile(relative, bmpBytes(width, height, colour));
    }
    bool rootFileExists(const std::string& relative) const {
        return std::filesystem::exists(rootFolder() / relative);
    }
    // A modeless designer window as host (design mode) or plain host (run mode).
    CDialog& makeHost() {
        KvTempResourceOverride resources;
        host = std::make_unique<CDialog>();
        EXPECT_TRUE(host->Create(IDD_DLGDESIGNER));
        return *host;
    }
    void initialize(Mdx_DlgDesignerData& data, bool designMode) {
        EXPECT_TRUE(data.initialize(&makeHost(), 33000, 33099, 0, 0, 0, 0, 0, designMode));
    }
    static Mdx_DesignerControl control(Mdx_ControlType type, double left, double top, double right,
                                       double bottom, const char* contents = "") {
        Mdx_DesignerControl c;
        c.type = type;
        c.topLeftX = left;
        c.topLeftY = top;
        c.bottomRightX = right;
        c.bottomRightY = bottom;
        c.contents = contents;
        return c;
    }

    std::unique_ptr<KvTempResourceOverride> resources;  // the module's texts and templates
    std::unique_ptr<CDialog> host;
};

}  // namespace designer_testing
