#pragma once
// For the macro dialogs' tests: the frame's fresh window system and host, the end-plate
// drawing with its dialog fields, and the macro dialog's data gathered from it.
#include "core/KvTempResourceOverride.h"
#include "core/Mdx_Settings.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroPickers.h"
#include "core/macro/testing/EndPlateDrawing.h"
#include "frame/FrameTestSupport.h"
#include "host/AcTransaction.h"

namespace macrodlg_testing {

class MacroDialogTest : public frame_testing::FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        // A library of the test's own: no designs unless a test writes them.
        gSettings.setLibraryFolder(folder.string());
        drawing = endplate::build(db);
        endplate::addDialogFields(db, drawing);
        data = gather();
    }
    void TearDown() override {
        macro_pickers::clear();
        gSettings.setLibraryFolder("");
        FrameTest::TearDown();
    }
    MacroData gather() {
        MacroData gathered;
        AcTransaction transaction(db);
        EXPECT_EQ(gathered.addMacro(drawing.macro, transaction), Acad::eOk);
        transaction.commit();
        return gathered;
    }
    int tabIndex(const MacroData& of, const char* name) {
        int index = -1;
        EXPECT_TRUE(of.findTab(name, index)) << name;
        return index;
    }
    // The macro as the drawing now holds it.
    template <class F>
    void inMacro(F look) {
        AcTransaction transaction(db);
        Mdx_DbMacro* macro = nullptr;
        ASSERT_EQ(transaction.getObject(macro, drawing.macro), Acad::eOk);
        look(*macro->macro());
    }

    AcDbDatabase db;
    endplate::Drawing drawing;
    MacroData data;
};

}  // namespace macrodlg_testing
