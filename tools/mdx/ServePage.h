#pragma once
// The one page of mdx serve: HTML, style and script in one text.
#include <string>

const std::string& servePage();
