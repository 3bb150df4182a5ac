#include "standards/StandardsName.h"

#include "core/Mdx_StringArray.h"

namespace {

bool isSeparator(char c) { return c == '\\' || c == '/'; }

// A part between separators that a file name may hold.
bool isPlainPart(const Mdx_String& part) {
    if (part.isEmpty() || part == "." || part == "..") return false;
    for (char c : std::string_view(part.c_str(), static_cast<std::size_t>(part.length()))) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' || c == '>' ||
            c == '|')
            return false;
    }
    // Windows drops trailing dots and blanks, so "..." or ".. " would still name the parent.
    const char last = part.c_str()[part.length() - 1];
    return last != '.' && last != ' ';
}

}  // namespace

bool isStandardsNameInside(const Mdx_String& name) {
    if (name.isEmpty() || isSeparator(name.c_str()[0])) return false;
    Mdx_String part;
    for (int i = 0; i <= name.length(); ++i) {
        if (i == name.length() || isSeparator(name.c_str()[i])) {
            if (!isPlainPart(part)) return false;
            part = Mdx_String();
        } else {
            part += name.c_str()[i];
        }
    }
    return true;
}

Mdx_String standardsNameRefusal(const Mdx_String& name) {
    return "The standards spreadsheet \"" + name +
           "\" does not lie inside the library's \"Connection Standards\" folder; it is not "
           "used.";
}
