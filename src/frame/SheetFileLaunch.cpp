#include "frame/SheetFileLaunch.h"

#include "core/KvTempResourceOverride.h"
#include "frame/SheetHost.h"

void EvaluateSS() {
    KvTempResourceOverride resources;
    SheetHost host;
    host.mode = SheetHost::kModeEvaluateCell;
    host.fileName = "c:\\a\\t3.sss";
    host.evalCol = 1;
    host.evalRow = 1;
    host.DoModal();
}

void ReadSSFile(const Mdx_String& path, Mdx_String& firstCell, Mdx_StringArray& headers,
                Mdx_Array<Mdx_StringArray>& rows) {
    KvTempResourceOverride resources;
    SheetHost host;
    host.mode = SheetHost::kModeReadArrays;
    host.fileName = path;
    host.headersOut = &headers;
    host.rowsOut = &rows;
    host.DoModal();
    firstCell = host.firstCellText;
}
