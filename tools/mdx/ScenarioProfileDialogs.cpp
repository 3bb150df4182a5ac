#include "ScenarioProfileDialogs.h"

#include <vector>

#include "ScenarioError.h"
#include "ScenarioValues.h"
#include "otherdlg/DstvPointStore.h"
#include "otherdlg/OtherDialogLaunch.h"

namespace {

using nlohmann::json;
using namespace scenario;

std::vector<DstvPoint> pointsOf(const json& args) {
    std::vector<DstvPoint> points;
    for (const Mdx_StringArray& row : textRows(args, "points")) {
        if (row.length() != 4 || row[1].length() != 1)
            throw ScenarioError("each point must be [name, face letter, x, y]");
        points.push_back({row[0], row[1].str()[0], row[2], row[3]});
    }
    return points;
}

}  // namespace

void checkProfFeatures(const json& args) {
    textArray(args, "features");
}

json callProfFeatures(const json& args) {
    DlgProfFeaturesData data;
    data.features = textArray(args, "features");
    const bool result = StartDlgProfFeatures(data);
    return {{"result", result}, {"features", toJson(data.features)}};
}

void checkDstvPoints(const json& args) {
    if (DstvPointStore::check(pointsOf(args)) >= 0)
        throw ScenarioError("\"points\" holds a point the store refuses");
}

json callDstvPoints(const json& args) {
    DstvPointStore store = DstvPointStore::current();
    if (args.contains("points") && !store.save(pointsOf(args)))
        throw ScenarioError("the points could not be stored: " + store.error().toUtf8());
    StartDSTVPointsDlg();
    std::vector<DstvPoint> points;
    if (!store.load(points)) return {{"error", store.error().toUtf8()}};
    json rows = json::array();
    for (const DstvPoint& p : points)
        rows.push_back({p.name.toUtf8(), std::string(1, p.face), p.x.toUtf8(), p.y.toUtf8()});
    return {{"points", rows}};
}
