#include "grid/SheetFileSyntax.h"

#include <charconv>
#include <cmath>

namespace grid {

void appendQuoted(std::string& out, std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    out += '"';
    for (char ch : text) {
        unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (c < 0x20 || c == 0x7F) {
                out += "\\x";
                out += kHex[c >> 4];
                out += kHex[c & 15];
            } else {
                out += ch;
            }
        }
    }
    out += '"';
}

bool LineSplitter::next(std::string_view& line) {
    if (pos_ >= bytes_.size()) return false;
    size_t end = bytes_.find('\n', pos_);
    if (end == std::string_view::npos) end = bytes_.size();
    line = bytes_.substr(pos_, end - pos_);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos_ = end + 1;
    return true;
}

void LineReader::skipBlanks() {
    while (pos_ < line_.size() && (line_[pos_] == ' ' || line_[pos_] == '\t')) ++pos_;
}

bool LineReader::atEnd() {
    skipBlanks();
    return pos_ >= line_.size();
}

bool LineReader::token(std::string_view& out) {
    skipBlanks();
    if (pos_ >= line_.size() || line_[pos_] == '"') return false;
    size_t start = pos_;
    while (pos_ < line_.size() && line_[pos_] != ' ' && line_[pos_] != '\t') ++pos_;
    out = line_.substr(start, pos_ - start);
    return true;
}

bool LineReader::word(std::string& out) {
    std::string_view t;
    if (!token(t)) return false;
    out.assign(t);
    return true;
}

bool LineReader::integer64(long long& out) {
    std::string_view t;
    if (!token(t)) return false;
    auto r = std::from_chars(t.data(), t.data() + t.size(), out);
    return r.ec == std::errc() && r.ptr == t.data() + t.size();
}

bool LineReader::integer(int& out) {
    long long v;
    if (!integer64(v) || v < -2147483647ll || v > 2147483647ll) return false;
    out = static_cast<int>(v);
    return true;
}

bool LineReader::flag(int& out) { return integer(out) && (out == 0 || out == 1); }

bool LineReader::number(double& out) {
    std::string_view t;
    if (!token(t)) return false;
    auto r = std::from_chars(t.data(), t.data() + t.size(), out);
    return r.ec == std::errc() && r.ptr == t.data() + t.size() && std::isfinite(out);
}

bool LineReader::text(std::string& out) {
    skipBlanks();
    if (pos_ >= line_.size() || line_[pos_] != '"') return false;
    ++pos_;
    out.clear();
    while (pos_ < line_.size()) {
        char c = line_[pos_++];
        if (c == '"') {
            // A text ends at a blank or the end of the line.
            return pos_ >= line_.size() || line_[pos_] == ' ' || line_[pos_] == '\t';
        }
        if (c != '\\') {
            out += c;
            continue;
        }
        if (pos_ >= line_.size()) return false;
        char e = line_[pos_++];
        switch (e) {
        case '"': out += '"'; break;
        case '\\': out += '\\'; break;
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'x': {
            if (pos_ + 2 > line_.size()) return false;
            int v = 0;
            for (int i = 0; i < 2; ++i) {
                char h = line_[pos_++];
                int d = (h >= '0' && h <= '9')   ? h - '0'
                        : (h >= 'A' && h <= 'F') ? h - 'A' + 10
                        : (h >= 'a' && h <= 'f') ? h - 'a' + 10
                                                 : -1;
                if (d < 0) return false;
                v = v * 16 + d;
            }
            out += static_cast<char>(v);
            break;
        }
        default: return false;
        }
    }
    return false;
}

}  // namespace grid
