#include "designer/DesignerLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "core/Mdx_PropertiesList.h"
#include "designer/DesignedControlNames.h"
#include "frame/TemplateDialog.h"
#include "resources/designer_ids.h"

bool StartDlgDesigner(const Mdx_String& /*file*/) {
    KvTempResourceOverride resources;
    return runTemplateDialog(IDD_DLGDESIGNER);
}

void GetImageDlgCtrlNames(const Mdx_String& file, Mdx_StringArray& names) {
    KvTempResourceOverride resources;
    names.setEmpty();
    Mdx_PropertiesList list;
    if (!list.readFromFile(file)) return;
    designer::controlNamesOf(list, names);
}
