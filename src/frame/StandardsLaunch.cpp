#include "frame/StandardsLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/KvSSDlgsMgr.h"
#include "frame/KvSSPooledDlg.h"

namespace {

KvVarCell sampleCell(const char* name, const char* value, KvCellType kind) {
    KvVarCell cell;
    cell.name = name;
    cell.value = value;
    cell.cellType = kind;
    return cell;
}

}  // namespace

bool StartDlgStandardsSS(KvDlgStandardsData& data) {
    KvTempResourceOverride resources;
    auto* dialog = static_cast<KvSSPooledDlg*>(gSSDlgsMgr.getDlg());
    if (!dialog) return false;
    dialog->setRecord(data);
    const bool done = dialog->evaluate() == Acad::eOk;
    if (done) data = dialog->record();
    gSSDlgsMgr.releaseDlg(dialog);
    return done;
}

KvDlgStandardsData standardsSampleRequest() {
    KvDlgStandardsData data;
    data.fileName = "c:\\a\\a\\a\\test.kvs";
    data.mode = 1;
    data.varCells.append(sampleCell("Column", "IPE-200", KvCellType::Input));
    data.varCells.append(sampleCell("Thickness", "10", KvCellType::Input));
    data.varCells.append(sampleCell("Width", "212", KvCellType::Output));
    data.varCells.append(sampleCell("Length", "356", KvCellType::Output));
    return data;
}

bool StartDlgStandardsSStest() {
    KvTempResourceOverride resources;
    KvDlgStandardsData data = standardsSampleRequest();
    return StartDlgStandardsSS(data);
}
