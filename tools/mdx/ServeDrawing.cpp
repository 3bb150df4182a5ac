#include "ServeDrawing.h"

#include "EvaluateDrawing.h"
#include "EvaluateError.h"
#include "core/NumberText.h"
#include "core/macro/Mdx_DbMacro.h"
#include "core/macro/Mdx_Macro.h"

namespace {

using nlohmann::json;

constexpr const char* kGenVars = "StartDlgGenVars";

}  // namespace

ServeDrawing::ServeDrawing(std::filesystem::path file, std::string macro)
    : file_(std::move(file)), macroName_(std::move(macro)) {
    open();
}

ServeDrawing::~ServeDrawing() = default;

void ServeDrawing::open() {
    drawing_.reset();
    drawing_ = std::make_unique<EvaluateDrawing>(file_, macroName_);
}

std::string ServeDrawing::description() const {
    return "macro " + drawing_->macroName() + " of " + file_.string();
}

json ServeDrawing::argsFor(const std::string& launch) {
    if (launch != kGenVars) return json::object();
    const Mdx_Macro& macro = *drawing_->macro()->macro();
    Mdx_StringArray names;
    macro.getGeneralVariables(names);
    json vars = json::array();
    json values = json::array();
    for (int i = 0; i < names.length(); ++i) {
        vars.push_back(names[i].toUtf8());
        values.push_back(formatNumber(macro.generalVariableValue(names[i]), 10, false));
    }
    return {{"dwgGenVars", vars}, {"dwgGenValues", values}};
}

std::string ServeDrawing::take(const std::string& launch, const json& returned) {
    if (launch != kGenVars || !returned.value("result", false)) return {};
    const json& record = returned["record"];
    const json& names = record["dwgGenVars"];
    const json& values = record["dwgGenValues"];
    // All values are checked first, so a bad one leaves the macro as it was.
    std::vector<std::pair<Mdx_String, double>> accepted;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const std::string name = names[i].get<std::string>();
        const std::string text = i < values.size() ? values[i].get<std::string>() : "";
        if (!isNumberText(text))
            return "the general variable " + name + " needs a number, not \"" + text +
                   "\"; the drawing was not changed";
        accepted.emplace_back(Mdx_String::fromUtf8(name), leadingDouble(text));
    }
    Mdx_Macro& macro = *drawing_->macro()->macro();
    for (const auto& [name, value] : accepted) macro.setGeneralVariable(name, value);
    return {};
}

std::string ServeDrawing::save() {
    try {
        drawing_->save();
        open();
        return {};
    } catch (const EvaluateError& error) {
        return error.what();
    }
}
