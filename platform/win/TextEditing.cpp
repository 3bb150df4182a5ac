#include "win/TextEditing.h"

#include <algorithm>

#include "win/WinMessages.h"

namespace win::detail {

void clampSelection(WindowRecord& record) {
    auto& c = record.control;
    const int length = static_cast<int>(record.text.size());
    c.selStart = std::clamp(c.selStart, 0, length);
    c.selEnd = std::clamp(c.selEnd, 0, length);
    if (c.selStart > c.selEnd) std::swap(c.selStart, c.selEnd);
}

bool replaceSelection(WindowRecord& record, const std::string& text, const EditRules& rules) {
    if (rules.readOnly) return false;
    clampSelection(record);
    auto& c = record.control;
    std::string insert = text;
    if (rules.digitsOnly) std::erase_if(insert, [](char ch) { return ch < '0' || ch > '9'; });
    for (char& ch : insert) {
        if (rules.upperCase && ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 32);
        if (rules.lowerCase && ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch + 32);
    }
    const std::size_t kept = record.text.size() - static_cast<std::size_t>(c.selEnd - c.selStart);
    if (c.textLimit > 0 && kept + insert.size() > c.textLimit)
        insert.resize(c.textLimit > kept ? c.textLimit - kept : 0);
    if (insert.empty() && c.selStart == c.selEnd) return false;
    record.text.replace(static_cast<std::size_t>(c.selStart),
                        static_cast<std::size_t>(c.selEnd - c.selStart), insert);
    c.selStart = c.selEnd = c.selStart + static_cast<int>(insert.size());
    c.modified = true;
    return true;
}

bool typeCharacter(WindowRecord& record, char c, const EditRules& rules) {
    if (c == '\b') {
        clampSelection(record);
        auto& s = record.control;
        if (rules.readOnly) return false;
        if (s.selStart == s.selEnd) {
            if (s.selStart == 0) return false;
            --s.selStart;
        }
        return replaceSelection(record, "", rules);
    }
    if (c == '\r' || c == '\n') return rules.multiLine && replaceSelection(record, "\r\n", rules);
    if (static_cast<unsigned char>(c) < 32 && c != '\t') return false;
    return replaceSelection(record, std::string(1, c), rules);
}

bool editKeyDown(WindowRecord& record, int key, const EditRules& rules) {
    clampSelection(record);
    auto& s = record.control;
    const int length = static_cast<int>(record.text.size());
    switch (key) {
        case VK_DELETE:
            if (rules.readOnly) return false;
            if (s.selStart == s.selEnd) {
                if (s.selEnd >= length) return false;
                ++s.selEnd;
            }
            return replaceSelection(record, "", rules);
        case VK_HOME:
            s.selStart = s.selEnd = 0;
            return false;
        case VK_END:
            s.selStart = s.selEnd = length;
            return false;
        case VK_LEFT:
            s.selStart = s.selEnd =
                std::max(0, s.selStart == s.selEnd ? s.selStart - 1 : s.selStart);
            return false;
        case VK_RIGHT:
            s.selStart = s.selEnd =
                std::min(length, s.selStart == s.selEnd ? s.selEnd + 1 : s.selEnd);
            return false;
        default:
            return false;
    }
}

}  // namespace win::detail
