#pragma once
// The lexical layer of the sheet file: lines of blank-separated words, numbers and quoted
// texts. Quoted texts escape '\\', '"', control bytes (\n, \r, \t, \xHH); other bytes,
// Windows-1252 letters included, stand for themselves.
#include <string>
#include <string_view>

namespace grid {

void appendQuoted(std::string& out, std::string_view text);

class LineSplitter {
public:
    explicit LineSplitter(std::string_view bytes) : bytes_(bytes) {}
    // The next line without its end ("\n" or "\r\n"); false at the end.
    bool next(std::string_view& line);

private:
    std::string_view bytes_;
    size_t pos_ = 0;
};

class LineReader {
public:
    explicit LineReader(std::string_view line) : line_(line) {}
    bool word(std::string& out);
    bool integer(int& out);
    bool integer64(long long& out);
    bool number(double& out);
    bool flag(int& out);  // 0 or 1
    bool text(std::string& out);
    bool atEnd();

private:
    bool token(std::string_view& out);
    void skipBlanks();
    std::string_view line_;
    size_t pos_ = 0;
};

}  // namespace grid
