#include "ScenarioProfileDetails.h"

#include <memory>

#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "MacroReport.h"
#include "ScenarioValues.h"
#include "core/macro/Mdx_DbProfile.h"
#include "otherdlg/ProfileDetailsLaunch.h"

namespace {

using nlohmann::json;
using namespace scenario;

json groupJson(MacroData& data, const Mdx_String& group) {
    for (int i = 0; i < data.tabCount(); ++i) {
        MacroProfData props;
        if (!data.getTab(i)->getMergedPropsOfGroup(group, props)) continue;
        return {{"member", toJson(props.memberName)},     {"section", toJson(props.sectionName)},
                {"material", toJson(props.material)},     {"offsetType", props.offsetType},
                {"rotation", toJson(props.rotation)},     {"basePlane", toJson(props.basePlane)},
                {"coordinateSystem", props.hasCoordSys}};
    }
    return nullptr;
}

// A stand-in for the object a caller draws while a macro is being placed.
AcDbObjectId drawPreviewObject(EvaluateDrawing& drawing) {
    auto object = std::make_unique<Mdx_DbProfile>();
    object->sectionName = "PL10*100";
    AcDbObjectId id;
    drawing.transaction().addNewObject(std::move(object), id);
    return id;
}

}  // namespace

void checkProfileDetails(const json& args) {
    requiredText(args, "drawing");
    requiredText(args, "macro");
    requiredText(args, "group");
    textField(args, "title");
    boolField(args, "flag", false);
    boolField(args, "preview", false);
}

json callProfileDetails(const json& args) {
    try {
        EvaluateDrawing drawing(textField(args, "drawing").toUtf8(),
                                textField(args, "macro").toUtf8());
        MacroData& data = drawing.macroData();
        const Mdx_String group = textField(args, "group");
        AcDbObjectId preview;
        if (boolField(args, "preview", false)) {
            preview = drawPreviewObject(drawing);
            data.preview().temporary = true;
            data.preview().objects.append(preview);
        }
        StartDlgMacroProfAdv(data, group, textField(args, "title"), boolField(args, "flag", false));
        json result = {{"group", groupJson(data, group)}};
        if (!preview.isNull()) {
            AcDbDatabase* database = data.database();
            result["previewErased"] = database && !database->contains(preview);
        }
        result["drawing"] = reopenedMacroReport(drawing);
        return result;
    } catch (const EvaluateError& error) {
        return {{"result", false}, {"error", error.what()}};
    }
}
