#include "resources/ModuleResources.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <string>

#include "win/Bitmap.h"
#include "win/ResourceModule.h"

namespace {

TEST(ModuleResources, EveryScriptOfTheFolderLoadsWithoutErrors) {
    HINSTANCE module = resources::moduleResourceHandle();
    ASSERT_NE(module, nullptr);
    const win::ResourceModule* loaded = win::resourceModule(module);
    for (const std::string& e : loaded->errors) ADD_FAILURE() << e;
    ASSERT_NE(win::findDialogTemplate(module, 218), nullptr);
    const win::DialogTemplate* host = win::findDialogTemplate(module, 133);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->caption, "Formulas");
}

TEST(ModuleResources, CheckBoxBitmapsAreSmallSquares) {
    HINSTANCE module = resources::moduleResourceHandle();
    int w = 0, h = 0;
    HBITMAP clear = LoadBitmap(module, MAKEINTRESOURCE(8134));
    HBITMAP checked = LoadBitmap(module, MAKEINTRESOURCE(8136));
    ASSERT_TRUE(win::imageSize(clear, w, h));
    EXPECT_EQ(w, 13);
    EXPECT_EQ(h, 13);
    ASSERT_TRUE(win::imageSize(checked, w, h));
    // The two differ inside the box: the tick.
    bool differ = false;
    for (int y = 1; y < 12; ++y)
        for (int x = 1; x < 12; ++x)
            differ = differ || win::imagePixel(clear, x, y) != win::imagePixel(checked, x, y);
    EXPECT_TRUE(differ);
    DeleteObject(clear);
    DeleteObject(checked);
}

TEST(ModuleResources, ButtonIconsAndTheBillMarkerLoadAtTheirSizes) {
    HINSTANCE module = resources::moduleResourceHandle();
    const win::ResourceModule* loaded = win::resourceModule(module);
    ASSERT_GE(loaded->script.iconFiles.size(), 20u);
    for (const auto& [id, file] : loaded->script.iconFiles) {
        HICON icon = LoadIcon(module, MAKEINTRESOURCE(id));
        int w = 0, h = 0;
        ASSERT_TRUE(win::imageSize(icon, w, h)) << "icon " << id << " from " << file;
        EXPECT_EQ(w, 16);
        EXPECT_EQ(h, 16);
        DestroyIcon(icon);
    }
    HBITMAP marker = LoadBitmap(module, MAKEINTRESOURCE(251));
    int w = 0, h = 0;
    ASSERT_TRUE(win::imageSize(marker, w, h));
    EXPECT_EQ(w, 14);
    EXPECT_EQ(h, 17);
    DeleteObject(marker);
}

TEST(ModuleResources, TheStringTableIsPartOfTheModule) {
    HINSTANCE module = resources::moduleResourceHandle();
    char text[64];
    ASSERT_GT(LoadString(module, 2, text, sizeof text), 0);
    EXPECT_STREQ(text, "Cancel");
}

TEST(ModuleResources, EnvironmentNamesAnotherFolder) {
    ::setenv("MDX_RESOURCES", "/elsewhere/resources", 1);
    EXPECT_EQ(resources::moduleResourceFolder(), std::filesystem::path("/elsewhere/resources"));
    ::unsetenv("MDX_RESOURCES");
    EXPECT_EQ(resources::moduleResourceFolder(), std::filesystem::path(MDX_RESOURCE_DIR));
}

}  // namespace
