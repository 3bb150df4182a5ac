#include "win/RegistryTree.h"

#include <cstdio>

namespace win::detail {
namespace {

constexpr const char* kHeader = "MDX-REGISTRY 1";

std::string hex2(unsigned char c) {
    char buffer[4];
    std::snprintf(buffer, sizeof buffer, "%02x", c);
    return buffer;
}

std::string quote(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (ch) {
            case '\\':
                out += "\\\\";
                break;
            case '"':
                out += "\\\"";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F)
                    out += "\\x" + hex2(c);
                else
                    out += ch;
        }
    }
    return out + "\"";
}

std::string keyNameOut(const std::string& s) {
    std::string out;
    for (char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x20 || ch == '%' || ch == ']' || c == 0x7F)
            out += "%" + hex2(c);
        else
            out += ch;
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool keyNameIn(const std::string& s, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '%') {
            out += s[i];
            continue;
        }
        if (i + 2 >= s.size() || hexDigit(s[i + 1]) < 0 || hexDigit(s[i + 2]) < 0) return false;
        out += static_cast<char>(hexDigit(s[i + 1]) * 16 + hexDigit(s[i + 2]));
        i += 2;
    }
    return true;
}

// Reads a quoted text at pos; pos moves past it.
bool unquote(const std::string& s, std::size_t& pos, std::string& out) {
    out.clear();
    if (pos >= s.size() || s[pos] != '"') return false;
    for (++pos; pos < s.size(); ++pos) {
        const char c = s[pos];
        if (c == '"') {
            ++pos;
            return true;
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (++pos >= s.size()) return false;
        switch (s[pos]) {
            case '\\':
                out += '\\';
                break;
            case '"':
                out += '"';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'x': {
                if (pos + 2 >= s.size() || hexDigit(s[pos + 1]) < 0 || hexDigit(s[pos + 2]) < 0)
                    return false;
                out += static_cast<char>(hexDigit(s[pos + 1]) * 16 + hexDigit(s[pos + 2]));
                pos += 2;
                break;
            }
            default:
                return false;
        }
    }
    return false;
}

void writeKey(const RegistryKey& key, const std::string& path, std::string& out) {
    out += "[" + path + "]\n";
    for (const auto& [lower, value] : key.values) {
        out += value.name.empty() ? "@" : quote(value.name);
        const bool plainText = value.type == 1 && !value.bytes.empty() &&
                               value.bytes.back() == '\0' &&
                               value.bytes.find('\0') == value.bytes.size() - 1;
        if (plainText) {
            out += "=sz:" + quote(value.bytes.substr(0, value.bytes.size() - 1)) + "\n";
        } else if (value.type == 4 && value.bytes.size() == 4) {
            std::uint32_t v = 0;
            for (int i = 3; i >= 0; --i)
                v = (v << 8) | static_cast<unsigned char>(value.bytes[static_cast<std::size_t>(i)]);
            char buffer[16];
            std::snprintf(buffer, sizeof buffer, "%08x", v);
            out += std::string("=dword:") + buffer + "\n";
        } else {
            out += "=hex(" + std::to_string(value.type) + "):";
            for (std::size_t i = 0; i < value.bytes.size(); ++i)
                out += (i ? "," : "") + hex2(static_cast<unsigned char>(value.bytes[i]));
            out += "\n";
        }
    }
    for (const auto& [lower, sub] : key.subkeys)
        writeKey(*sub, path + "\\" + keyNameOut(sub->name), out);
}

RegistryKey* walkCreating(RegistryRoots& roots, const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    RegistryKey* key = roots.byName(parts[0]);
    if (!key) return nullptr;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        std::string name;
        if (parts[i].empty() || !keyNameIn(parts[i], name)) return nullptr;
        auto& slot = key->subkeys[lowerKeyName(name)];
        if (!slot) {
            slot = std::make_unique<RegistryKey>();
            slot->name = name;
        }
        key = slot.get();
    }
    return key;
}

bool readValueLine(const std::string& line, RegistryKey& key) {
    std::size_t pos = 0;
    RegistryValue value;
    if (line[0] == '@') {
        pos = 1;
    } else if (!unquote(line, pos, value.name)) {
        return false;
    }
    if (line.compare(pos, 1, "=") != 0) return false;
    ++pos;
    const std::string rest = line.substr(pos);
    if (rest.rfind("sz:", 0) == 0) {
        std::size_t at = 3;
        std::string text;
        if (!unquote(rest, at, text) || at != rest.size()) return false;
        value.type = 1;
        value.bytes = text + '\0';
    } else if (rest.rfind("dword:", 0) == 0) {
        const std::string digits = rest.substr(6);
        if (digits.size() != 8) return false;
        std::uint32_t v = 0;
        for (char c : digits) {
            if (hexDigit(c) < 0) return false;
            v = (v << 4) | static_cast<std::uint32_t>(hexDigit(c));
        }
        value.type = 4;
        value.bytes.resize(4);
        for (int i = 0; i < 4; ++i)
            value.bytes[static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
    } else if (rest.rfind("hex(", 0) == 0) {
        const std::size_t close = rest.find("):");
        if (close == std::string::npos || close <= 4) return false;
        const std::string typeText = rest.substr(4, close - 4);
        if (typeText.size() > 9 || typeText.find_first_not_of("0123456789") != std::string::npos)
            return false;
        value.type = static_cast<DWORD>(std::stoul(typeText));
        const std::string bytes = rest.substr(close + 2);
        for (std::size_t i = 0; i < bytes.size();) {
            if (i + 1 >= bytes.size() || hexDigit(bytes[i]) < 0 || hexDigit(bytes[i + 1]) < 0)
                return false;
            value.bytes += static_cast<char>(hexDigit(bytes[i]) * 16 + hexDigit(bytes[i + 1]));
            i += 2;
            if (i < bytes.size()) {
                if (bytes[i] != ',' || i + 1 == bytes.size()) return false;  // no dangling comma
                ++i;
            }
        }
    } else {
        return false;
    }
    key.values[lowerKeyName(value.name)] = std::move(value);
    return true;
}

}  // namespace

RegistryKey* RegistryRoots::byName(const std::string& rootName) {
    if (rootName == "HKEY_CLASSES_ROOT") return &classesRoot;
    if (rootName == "HKEY_CURRENT_USER") return &currentUser;
    if (rootName == "HKEY_LOCAL_MACHINE") return &localMachine;
    if (rootName == "HKEY_USERS") return &users;
    return nullptr;
}

std::string lowerKeyName(const std::string& name) {
    std::string s = name;
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return s;
}

std::string writeRegistryFile(RegistryRoots& roots) {
    std::string out = std::string(kHeader) + "\n";
    for (RegistryKey* root :
         {&roots.classesRoot, &roots.currentUser, &roots.localMachine, &roots.users})
        writeKey(*root, root->name, out);
    return out;
}

bool readRegistryFile(const std::string& text, RegistryRoots& roots, int& badLines) {
    badLines = 0;
    std::size_t pos = 0;
    auto nextLine = [&](std::string& line) {
        if (pos >= text.size()) return false;
        const std::size_t end = text.find('\n', pos);
        line = text.substr(pos, end == std::string::npos ? std::string::npos : end - pos);
        pos = end == std::string::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        return true;
    };
    std::string line;
    if (!nextLine(line) || line != kHeader) return false;
    RegistryRoots read;
    RegistryKey* current = nullptr;
    while (nextLine(line)) {
        if (line.empty()) continue;
        if (line.front() == '[') {
            current = (line.size() >= 2 && line.back() == ']')
                          ? walkCreating(read, line.substr(1, line.size() - 2))
                          : nullptr;
            if (!current) ++badLines;
            continue;
        }
        if (!current || !readValueLine(line, *current)) ++badLines;
    }
    roots = std::move(read);
    return true;
}

}  // namespace win::detail
