#include "win/HandleWrappers.h"

#include "win/CButton.h"
#include "win/CComboBox.h"
#include "win/CEdit.h"
#include "win/CListBox.h"
#include "win/CStatic.h"
#include "win/CTabCtrl.h"

namespace win::detail {

std::unique_ptr<CWnd> makeHandleWrapper(const std::string& className) {
    if (className == "BUTTON") return std::make_unique<CButton>();
    if (className == "EDIT") return std::make_unique<CEdit>();
    if (className == "RichEdit20A" || className == "RICHEDIT" || className == "RichEdit")
        return std::make_unique<CRichEditCtrl>();
    if (className == "COMBOBOX") return std::make_unique<CComboBox>();
    if (className == "LISTBOX") return std::make_unique<CListBox>();
    if (className == "STATIC") return std::make_unique<CStatic>();
    if (className == "SysTabControl32") return std::make_unique<CTabCtrl>();
    return std::make_unique<CWnd>();
}

}  // namespace win::detail
