#include "core/PathHelpers.h"

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

int lastSeparator(const Mdx_String& path) {
    for (int i = path.length() - 1; i >= 0; --i)
        if (isSeparator(path.at(i))) return i;
    return -1;
}

// Index of the dot that starts the extension, -1 when there is none.
int extensionDot(const Mdx_String& path) {
    for (int i = path.length() - 1; i >= 0; --i) {
        if (path.at(i) == '.') return i;
        if (isSeparator(path.at(i))) return -1;
    }
    return -1;
}

}  // namespace

Mdx_String getPath(const Mdx_String& path) {
    return path.left(lastSeparator(path) + 1);
}

Mdx_String getFileName(const Mdx_String& path) {
    return path.mid(lastSeparator(path) + 1);
}

void getFileName(Mdx_String path, Mdx_String& name) {
    name = getFileName(path);
}

Mdx_String getExtension(const Mdx_String& path) {
    const int dot = extensionDot(path);
    return dot < 0 ? Mdx_String() : path.mid(dot + 1);
}

void removeExtension(Mdx_String& path) {
    const int dot = extensionDot(path);
    if (dot >= 0) path = path.left(dot);
}

void changeExtension(Mdx_String& path, const Mdx_String& newExtension) {
    removeExtension(path);
    if (newExtension.isEmpty()) return;
    if (newExtension.at(0) != '.') path.append('.');
    path.append(newExtension);
}

void ensureNoStartBSlash(Mdx_String& path) {
    int n = 0;
    while (isSeparator(path.at(n))) ++n;
    if (n > 0) path.remove(0, n);
}

void ensureEndBSlash(Mdx_String& path) {
    if (!path.isEmpty() && !isSeparator(path.at(path.length() - 1))) path.append('\\');
}

Mdx_String joinPath(const Mdx_String& folder, const Mdx_String& name) {
    Mdx_String head = folder;
    ensureEndBSlash(head);
    Mdx_String tail = name;
    ensureNoStartBSlash(tail);
    return head + tail;
}

bool hasInvalidFileNameChars(const Mdx_String& name) {
    for (char c : name.view()) {
        if (static_cast<unsigned char>(c) < 0x20) return true;
        switch (c) {
            case '<':
            case '>':
            case ':':
            case '"':
            case '/':
            case '\\':
            case '|':
            case '?':
            case '*':
                return true;
            default:
                break;
        }
    }
    return false;
}
