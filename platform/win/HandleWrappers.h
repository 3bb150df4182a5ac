#pragma once
// Internal to the window layer: the wrapper object CWnd::FromHandle hands out for a window
// that no object routes, of the framework class matching its window class.
#include <memory>
#include <string>

class CWnd;

namespace win::detail {

std::unique_ptr<CWnd> makeHandleWrapper(const std::string& className);

}  // namespace win::detail
