#include "opm/OpmRegistration.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/FileHelpers.h"
#include "core/KvTempResourceOverride.h"
#include "host/CommandLine.h"
#include "opm/OpmIdentities.h"
#include "win/Profile.h"
#include "win/Registry.h"
#include "win/FilePaths.h"
#include "win/WinTestSupport.h"

namespace {

// The module's file lies in a folder of the test's own, with or without its sibling.
class OpmRegistration : public win::testing::WindowSystemTest {
protected:
    void SetUp() override {
        WindowSystemTest::SetUp();
        folder = std::filesystem::temp_directory_path() / ("mdx-opm-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder);
        win::setProfileFolder(folder);
        win::reloadRegistry();
        module = win::loadResourceModuleFromText("");
        win::setModuleFileName(module, (folder / "Meridox.arx").string());
        KvTempResourceOverride::SaveDefaultResource(module);
        host::CommandLine::reset();
    }
    void TearDown() override {
        KvTempResourceOverride::SaveDefaultResource(nullptr);
        WindowSystemTest::TearDown();
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    void placeSibling() const { std::ofstream(folder / "Pellix.arx") << "module"; }
    static std::string defaultValue(const std::string& key) {
        char value[512] = {};
        LONG size = sizeof value;
        if (RegQueryValue(HKEY_CLASSES_ROOT, key.c_str(), value, &size) != ERROR_SUCCESS)
            return "<missing>";
        return value;
    }
    static std::string classKey(int i) { return "CLSID\\" + opm::guidText(opm::classes()[i].id); }
    static std::string interfaceKey(int i) {
        return "Interface\\" + opm::guidText(opm::interfaces()[i].id);
    }
    std::string sibling() const { return (folder / "Pellix.arx").string(); }

    std::filesystem::path folder;
    HINSTANCE module = nullptr;
};

TEST_F(OpmRegistration, WithoutTheSiblingModuleNothingIsWritten) {
    EXPECT_EQ(SSregisterOpmCLSIDs(), Acad::eInvalidInput);
    EXPECT_EQ(defaultValue(classKey(0)), "<missing>");
    EXPECT_EQ(defaultValue("TypeLib\\" + opm::guidText(opm::typeLibrary().id) + "\\1.1"),
              "<missing>");
}

TEST_F(OpmRegistration, RegistersClassesInterfacesAndTheTypeLibrary) {
    placeSibling();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk) << "twice overwrites the same values";
    const std::string typeLib = opm::guidText(opm::typeLibrary().id);
    EXPECT_EQ(defaultValue("TypeLib\\" + typeLib + "\\1.1"), "Korvelt 1.0 Type Library");
    EXPECT_EQ(defaultValue("TypeLib\\" + typeLib + "\\1.1\\0\\win32"), sibling());
    EXPECT_EQ(defaultValue("TypeLib\\" + typeLib + "\\1.1\\9\\win32"), sibling());
    EXPECT_EQ(defaultValue(classKey(0)), "Bolt Class");
    EXPECT_EQ(defaultValue(classKey(18)), "OPMBody Class");
    EXPECT_EQ(defaultValue(classKey(18) + "\\InProcServer32"), sibling());
    EXPECT_EQ(defaultValue(classKey(3) + "\\Typelib"), typeLib);
    EXPECT_EQ(defaultValue(interfaceKey(13)), "IOPMBody Interface");
    EXPECT_EQ(defaultValue(interfaceKey(0) + "\\TypeLib"), typeLib);
    EXPECT_EQ(defaultValue(interfaceKey(4) + "\\ProxyStubClsid32"),
              "{00020424-0000-0000-C000-000000000046}");
}

TEST_F(OpmRegistration, CleanupRemovesEveryKeyAndSucceedsWhenNothingIsThere) {
    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk) << "nothing registered";
    placeSibling();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    HKEY other = nullptr;
    ASSERT_EQ(RegCreateKey(HKEY_CLASSES_ROOT, "CLSID\\{OTHER}", &other), ERROR_SUCCESS);
    RegCloseKey(other);
    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk);
    EXPECT_EQ(defaultValue(classKey(0)), "<missing>");
    EXPECT_EQ(defaultValue(interfaceKey(13)), "<missing>");
    HKEY typeLib = nullptr;
    EXPECT_EQ(RegOpenKey(HKEY_CLASSES_ROOT,
                         ("TypeLib\\" + opm::guidText(opm::typeLibrary().id)).c_str(), &typeLib),
              ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(RegOpenKey(HKEY_CLASSES_ROOT, "CLSID\\{OTHER}", &other), ERROR_SUCCESS)
        << "keys of other classes stay";
    RegCloseKey(other);
}

TEST_F(OpmRegistration, PrintsTheClassesAndListsEveryIdentity) {
    EXPECT_EQ(SSprintCLSIDs(), Acad::eOk);
    const std::string& printed = host::CommandLine::transcript();
    const ComGuid& bolt = opm::classes()[0].id;
    char expected[160];
    std::snprintf(expected, sizeof expected,
                  "\nconst cCLSID CLSID_Bolt = {0x%08X,0x%04X,0x%04X,{0x%02X,0x%02X,0x%02X,"
                  "0x%02X,0x%02X,0x%02X,0x%02X,0x%02X}};",
                  bolt.data1, bolt.data2, bolt.data3, bolt.data4[0], bolt.data4[1], bolt.data4[2],
                  bolt.data4[3], bolt.data4[4], bolt.data4[5], bolt.data4[6], bolt.data4[7]);
    EXPECT_EQ(printed.find(expected), 0u) << printed;
    int declarations = 0;
    for (auto at = printed.find("const cCLSID"); at != std::string::npos;
         at = printed.find("const cCLSID", at + 1))
        ++declarations;
    EXPECT_EQ(declarations, 19) << "classes only";
    Mdx_StringArray lines;
    ASSERT_TRUE(ObjectExportReadFile((folder / "RegistryIDs.dat").string().c_str(), lines));
    ASSERT_EQ(lines.length(), 34);
    EXPECT_EQ(std::string(lines[0].c_str()), "TypeLib_=" + opm::guidText(opm::typeLibrary().id));
    EXPECT_EQ(std::string(lines[1].c_str()), "Class_Bolt=" + opm::guidText(bolt));
    EXPECT_EQ(std::string(lines[33].c_str()),
              "Interface_IOPMBody=" + opm::guidText(opm::interfaces()[13].id));
}

// A registry or file that cannot be written is a failure the caller hears of, and what was
// there before stays.
TEST_F(OpmRegistration, FailedRemovalsAndAnUnwrittenIdentityListAreReported) {
    placeSibling();
    ASSERT_EQ(SSregisterOpmCLSIDs(), Acad::eOk);
    ASSERT_EQ(SSprintCLSIDs(), Acad::eOk);
    Mdx_StringArray before;
    ASSERT_TRUE(ObjectExportReadFile((folder / "RegistryIDs.dat").string().c_str(), before));

    win::setWriteFaultHook([](win::WriteStage stage) { return stage == win::WriteStage::Rename; });
    const Acad::ErrorStatus cleaned = SScleanupComRegistry();
    const Acad::ErrorStatus printed = SSprintCLSIDs();
    win::setWriteFaultHook({});

    EXPECT_EQ(cleaned, Acad::eInvalidInput);
    EXPECT_EQ(defaultValue(classKey(0)), "Bolt Class") << "the keys are still there";
    EXPECT_EQ(printed, Acad::eInvalidInput);
    Mdx_StringArray after;
    ASSERT_TRUE(ObjectExportReadFile((folder / "RegistryIDs.dat").string().c_str(), after));
    EXPECT_EQ(after.length(), before.length()) << "the previous list stays";
    EXPECT_EQ(SScleanupComRegistry(), Acad::eOk) << "once the store can be written again";
}

TEST(OpmIdentities, GuidsReadInTheRegistryForm) {
    EXPECT_EQ(opm::guidText({0x00020424, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}),
              "{00020424-0000-0000-C000-000000000046}");
    EXPECT_EQ(opm::classes().size(), 19u);
    EXPECT_EQ(opm::interfaces().size(), 14u);
}

}  // namespace
