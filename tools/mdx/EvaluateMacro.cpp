#include "EvaluateMacro.h"

#include "standards/KvDlgStandardsData.h"
#include "standards/KvEquationFailures.h"
#include "standards/KvValueType.h"

namespace {

void collectVariables(const KvVarCells& cells, EvaluateReport& report) {
    for (int i = 0; i < cells.length(); ++i) {
        const KvVarCell& cell = cells[i];
        ReportedVariable variable{cell.name.toUtf8(), declarationKeyword(cell.valueType),
                                  cell.value.toUtf8()};
        auto& list = cell.isInput()    ? report.inputs
                     : cell.isOutput() ? report.outputs
                                       : report.locals;
        list.push_back(variable);
    }
}

// The request exactly as the standards page builds it for StartDlgStandardsSS.
KvDlgStandardsData standardsRequest(EvaluateDrawing& drawing, const StandardRef& standard,
                                    const Mdx_String& mapsTo, const GeneralVariables& general) {
    KvDlgStandardsData request;
    request.initialize(drawing.macro(), standard.fileName, mapsTo, &drawing.macroData());
    request.transaction = &drawing.transaction();
    request.genVarNames = general.names;
    request.genVarValues = general.values;
    return request;
}

}  // namespace

EvaluateReport evaluateOpenMacro(EvaluateSession& session, EvaluateDrawing& drawing,
                                 const StandardRef& standard, const Mdx_String& mapsTo,
                                 const GeneralVariables& general, const std::string& drawingFile) {
    session.clearRecords();
    equation_failures::clear();
    EvaluateReport report;
    report.standard = standard.fileName.toUtf8();
    report.standardFile = standard.file.string();
    report.drawing = drawingFile;
    report.macroName = drawing.macroName();
    report.macroHandle = drawing.macroHandle();
    report.mapsTo = mapsTo.toUtf8();
    const std::vector<MacroValue> before = drawing.readValues();
    KvDlgStandardsData request = standardsRequest(drawing, standard, mapsTo, general);
    report.evaluated = session.evaluate(request);
    if (report.evaluated) collectVariables(request.varCells, report);
    report.changed = changedValues(before, drawing.readValues());
    for (ShownMessage message : session.messages()) {
        message.text = withUserPaths(message.text);
        report.messages.push_back(message);
    }
    report.failures = recordedFailures();
    report.commandLine = withUserPaths(session.commandLine());
    report.warnings = errorValueWarnings(report);
    return report;
}
