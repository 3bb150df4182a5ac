#include "designer/DesignerLaunch.h"

#include <vector>

#include "core/KvTempResourceOverride.h"
#include "core/Mdx_PropertiesList.h"
#include "designer/Mdx_DlgDesignerData.h"
#include "designer/DlgDesigner.h"
#include "resources/designer_ids.h"

bool StartDlgDesigner(const Mdx_String& file) {
    KvTempResourceOverride resources;
    DlgDesigner dialog(file);
    return dialog.DoModal() == IDOK;
}

// The document's own reader, so the names are those the designer and the macro dialog see.
void GetImageDlgCtrlNames(const Mdx_String& file, Mdx_StringArray& names) {
    KvTempResourceOverride resources;
    names.setEmpty();
    Mdx_PropertiesList list;
    std::vector<Mdx_DesignerControl> controls;
    if (!list.readFromFile(file) || !Mdx_DlgDesignerData::readControls(list, controls)) return;
    for (const Mdx_DesignerControl& control : controls)
        if (control.type == ctVarEdit) names.append(control.contents);
}
