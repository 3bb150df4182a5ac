#include "host/HostState.h"

#include "host/CAdUiBaseDialog.h"
#include "host/CommandLine.h"
#include "host/CommandStack.h"
#include "host/DrawingView.h"
#include "host/DynamicLinker.h"
#include "host/MainWindow.h"
#include "host/ModuleLoader.h"

namespace host {

void HostState::reset() {
    CommandLine::reset();
    CommandStack::instance().clear();
    ModuleLoader::clear();
    DynamicLinker::instance().clear();
    CAdUiBaseDialog::resetEditorCommandCounts();
    MainWindow::destroy();
    DrawingView::reset();
}

}  // namespace host
