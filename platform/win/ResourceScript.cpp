#include "win/ResourceScript.h"

#include <cctype>
#include <functional>

#include "win/MessageBox.h"
#include "win/WinMessages.h"
#include "win/WinStyles.h"

namespace win {
namespace {

std::string lowerWord(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    return s;
}

std::string upper(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
    return s;
}

enum class Tok { End, Number, Ident, String, Punct };

struct Token {
    Tok kind = Tok::End;
    std::string text;  // identifiers upper-cased in key; original kept in raw
    std::string raw;
    long number = 0;
    int line = 0;
};

// Splits a script into tokens. Preprocessor lines are handed to a callback instead.
class Lexer {
public:
    Lexer(std::string_view text, std::function<void(const std::string&, int)> onDirective)
        : text_(text), onDirective_(std::move(onDirective)) {}

    const Token& peek() {
        if (!hasPeeked_) {
            peeked_ = scan();
            hasPeeked_ = true;
        }
        return peeked_;
    }

    Token next() {
        peek();
        hasPeeked_ = false;
        return peeked_;
    }

    bool accept(const char* punct) {
        const Token& t = peek();
        if (t.kind == Tok::Punct && t.text == punct) {
            next();
            return true;
        }
        return false;
    }

    bool acceptWord(const char* word) {
        const Token& t = peek();
        if (t.kind == Tok::Ident && t.text == word) {
            next();
            return true;
        }
        return false;
    }

private:
    Token scan() {
        for (;;) {
            skipSpaceAndComments();
            if (pos_ >= text_.size()) return make(Tok::End, "");
            if (text_[pos_] == '#' && atLineStart()) {
                readDirective();
                continue;
            }
            break;
        }
        const char c = text_[pos_];
        if (c == '"') return readString();
        if (std::isdigit(static_cast<unsigned char>(c))) return readNumber();
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') return readIdent();
        ++pos_;
        return make(Tok::Punct, std::string(1, c));
    }

    Token make(Tok kind, std::string text) {
        Token t;
        t.kind = kind;
        t.raw = text;
        t.text = std::move(text);
        t.line = line_;
        return t;
    }

    bool atLineStart() const {
        for (std::size_t i = pos_; i > 0; --i) {
            const char p = text_[i - 1];
            if (p == '\n') return true;
            if (p != ' ' && p != '\t' && p != '\r') return false;
        }
        return true;
    }

    void skipSpaceAndComments() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
            } else if (c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v' || c == '\0' ||
                       c == '\x1A') {
                ++pos_;
            } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/') {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
            } else if (c == '/' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '*') {
                pos_ += 2;
                while (pos_ < text_.size() &&
                       !(text_[pos_] == '*' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '/')) {
                    if (text_[pos_] == '\n') ++line_;
                    ++pos_;
                }
                pos_ = std::min(text_.size(), pos_ + 2);
            } else {
                return;
            }
        }
    }

    void readDirective() {
        const int line = line_;
        std::string directive;
        while (pos_ < text_.size() && text_[pos_] != '\n') {
            if (text_[pos_] == '\\' && pos_ + 1 < text_.size() &&
                (text_[pos_ + 1] == '\n' || text_[pos_ + 1] == '\r')) {
                while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
                if (pos_ < text_.size()) {
                    ++pos_;
                    ++line_;
                }
                directive.push_back(' ');
                continue;
            }
            directive.push_back(text_[pos_++]);
        }
        onDirective_(directive, line);
    }

    Token readString() {
        Token t = make(Tok::String, "");
        ++pos_;
        std::string value;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                if (pos_ < text_.size() && text_[pos_] == '"') {
                    value.push_back('"');
                    ++pos_;
                    continue;
                }
                break;
            }
            if (c == '\n') ++line_;
            if (c == '\\' && pos_ < text_.size()) {
                value.push_back(escape());
                continue;
            }
            value.push_back(c);
        }
        t.text = t.raw = value;
        return t;
    }

    char escape() {
        const char e = text_[pos_++];
        switch (e) {
            case 'n':
                return '\n';
            case 't':
                return '\t';
            case 'r':
                return '\r';
            case 'a':
                return '\a';
            case '0':
            case '1':
            case '2':
            case '3':
            case '4':
            case '5':
            case '6':
            case '7': {
                int value = e - '0';
                for (int i = 0;
                     i < 2 && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '7'; ++i)
                    value = value * 8 + (text_[pos_++] - '0');
                return static_cast<char>(value);
            }
            case 'x': {
                int value = 0;
                for (int i = 0; i < 2 && pos_ < text_.size() &&
                                std::isxdigit(static_cast<unsigned char>(text_[pos_]));
                     ++i) {
                    const char h = text_[pos_++];
                    value = value * 16 + (std::isdigit(static_cast<unsigned char>(h))
                                              ? h - '0'
                                              : (std::tolower(h) - 'a' + 10));
                }
                return static_cast<char>(value);
            }
            default:
                return e;  // \\ and \" and anything else stand for themselves
        }
    }

    Token readNumber() {
        Token t = make(Tok::Number, "");
        unsigned long long value = 0;
        const std::size_t start = pos_;
        if (text_[pos_] == '0' && pos_ + 1 < text_.size() &&
            (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X')) {
            pos_ += 2;
            while (pos_ < text_.size() && std::isxdigit(static_cast<unsigned char>(text_[pos_]))) {
                const char h = text_[pos_++];
                value =
                    (value * 16 + static_cast<unsigned>(std::isdigit(static_cast<unsigned char>(h))
                                                            ? h - '0'
                                                            : (std::tolower(h) - 'a' + 10))) &
                    0xFFFFFFFFull;
            }
        } else {
            while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
                value = (value * 10 + static_cast<unsigned>(text_[pos_++] - '0')) & 0xFFFFFFFFull;
        }
        while (pos_ < text_.size() && (text_[pos_] == 'L' || text_[pos_] == 'l' ||
                                       text_[pos_] == 'U' || text_[pos_] == 'u'))
            ++pos_;
        t.raw = std::string(text_.substr(start, pos_ - start));
        t.number = static_cast<long>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
        return t;
    }

    Token readIdent() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_'))
            ++pos_;
        Token t = make(Tok::Ident, std::string(text_.substr(start, pos_ - start)));
        t.text = upper(t.raw);
        return t;
    }

    std::string_view text_;
    std::function<void(const std::string&, int)> onDirective_;
    std::size_t pos_ = 0;
    int line_ = 1;
    Token peeked_;
    bool hasPeeked_ = false;
};

struct ParseError {
    int line;
    std::string what;
};

class ScriptReader {
public:
    ScriptReader(std::string_view text, const std::string& fileName, SymbolTable& symbols,
                 ResourceScript& out)
        : lexer_(text, [this](const std::string& d, int line) { directive(d, line); }),
          fileName_(fileName),
          symbols_(symbols),
          out_(out) {}

    void readAll() {
        while (lexer_.peek().kind != Tok::End) {
            const int line = lexer_.peek().line;
            try {
                statement();
            } catch (const ParseError& e) {
                report(e.line, e.what);
                recover(line);
            }
        }
    }

    // Reads a directive's value with a lexer of its own.
    bool evaluate(const std::string& text, long& value) {
        Lexer lexer(text, [](const std::string&, int) {});
        try {
            value = expression(lexer, 0);
        } catch (const ParseError&) {
            return false;
        }
        return lexer.peek().kind == Tok::End;
    }

private:
    [[noreturn]] void fail(const Token& at, const std::string& what) {
        throw ParseError{at.line, what};
    }

    void report(int line, const std::string& what) {
        out_.errors.push_back(fileName_ + ":" + std::to_string(line) + ": " + what);
    }

    // Skips the rest of a broken statement: its line, and a block that follows it.
    void recover(int line) {
        while (lexer_.peek().kind != Tok::End && lexer_.peek().line == line) {
            const Token t = lexer_.next();
            if (isBlockStart(t)) skipBlockBody();
        }
        if (isBlockStart(lexer_.peek())) {
            lexer_.next();
            skipBlockBody();
        }
    }

    void directive(const std::string& text, int line) {
        std::size_t i = 1;
        auto word = [&] {
            while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
            const std::size_t start = i;
            while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
            return text.substr(start, i - start);
        };
        const std::string name = word();
        if (name == "define") {
            const std::string symbol = word();
            std::string rest = text.substr(std::min(i, text.size()));
            if (const auto comment = rest.find("//"); comment != std::string::npos)
                rest.resize(comment);
            long value = 0;
            if (!symbol.empty() && rest.find_first_not_of(" \t\r") != std::string::npos) {
                if (evaluate(rest, value))
                    symbols_.define(symbol, value);
                else
                    report(line, "cannot read the value of " + symbol);
            }
        } else if (name == "include") {
            std::string file = text.substr(std::min(i, text.size()));
            const auto open = file.find_first_of("\"<");
            const auto close = file.find_last_of("\">");
            if (open != std::string::npos && close != std::string::npos && close > open)
                out_.includes.push_back(file.substr(open + 1, close - open - 1));
        }
    }

    static bool isBlockStart(const Token& t) {
        return (t.kind == Tok::Ident && t.text == "BEGIN") ||
               (t.kind == Tok::Punct && t.text == "{");
    }
    static bool isBlockEnd(const Token& t) {
        return (t.kind == Tok::Ident && t.text == "END") || (t.kind == Tok::Punct && t.text == "}");
    }

    void skipBlockBody() {
        int depth = 1;
        while (depth > 0) {
            const Token t = lexer_.next();
            if (t.kind == Tok::End) return;
            if (isBlockStart(t)) ++depth;
            if (isBlockEnd(t)) --depth;
        }
    }

    void expectBlockStart() {
        const Token t = lexer_.next();
        if (!isBlockStart(t)) fail(t, "BEGIN expected");
    }

    void expectComma() {
        const Token t = lexer_.next();
        if (t.kind != Tok::Punct || t.text != ",") fail(t, "',' expected");
    }

    long primary(Lexer& lexer, int depth) {
        if (depth > 64) fail(lexer.peek(), "expression nested too deeply");
        const Token t = lexer.next();
        if (t.kind == Tok::Number) return t.number;
        if (t.kind == Tok::Ident) {
            long value = 0;
            if (!symbols_.lookup(t.raw, value) && !symbols_.lookup(t.text, value))
                fail(t, "unknown name " + t.raw);
            return value;
        }
        if (t.kind == Tok::Punct && t.text == "(") {
            const long value = expression(lexer, depth + 1);
            const Token close = lexer.next();
            if (close.kind != Tok::Punct || close.text != ")") fail(close, "')' expected");
            return value;
        }
        if (t.kind == Tok::Punct && t.text == "~") return ~primary(lexer, depth + 1);
        if (t.kind == Tok::Punct && t.text == "-") return -primary(lexer, depth + 1);
        if (t.kind == Tok::Punct && t.text == "+") return primary(lexer, depth + 1);
        fail(t, t.kind == Tok::End ? "unexpected end" : "number expected, not '" + t.raw + "'");
    }

public:
    long expression(Lexer& lexer, int depth) {
        long value = primary(lexer, depth);
        for (;;) {
            const Token& t = lexer.peek();
            if (t.kind != Tok::Punct) return value;
            if (t.text == "|") {
                lexer.next();
                value |= primary(lexer, depth);
            } else if (t.text == "&") {
                lexer.next();
                value &= primary(lexer, depth);
            } else if (t.text == "+") {
                lexer.next();
                value += primary(lexer, depth);
            } else if (t.text == "-") {
                lexer.next();
                value -= primary(lexer, depth);
            } else
                return value;
        }
    }

private:
    long expression() { return expression(lexer_, 0); }

    // Style expression: terms joined by '|', each optionally "NOT term", applied to base.
    DWORD style(DWORD base) {
        DWORD value = base;
        for (;;) {
            const bool negate = lexer_.acceptWord("NOT");
            const DWORD term = static_cast<DWORD>(primary(lexer_, 0));
            value = negate ? (value & ~term) : (value | term);
            if (!lexer_.accept("|")) return value;
        }
    }

    UINT resourceId(const Token& t) {
        long value = 0;
        if (t.kind == Tok::Number) return static_cast<UINT>(t.number);
        if (t.kind == Tok::Ident &&
            (symbols_.lookup(t.raw, value) || symbols_.lookup(t.text, value)))
            return static_cast<UINT>(value);
        fail(t, "resource id expected, not '" + t.raw + "'");
    }

    std::string stringToken() {
        const Token t = lexer_.next();
        if (t.kind != Tok::String) fail(t, "text in quotes expected");
        return t.text;
    }

    void statement() {
        const Token first = lexer_.next();
        if (isBlockStart(first)) {
            skipBlockBody();
            fail(first, "block without a resource");
        }
        if (first.kind == Tok::Ident && first.text == "STRINGTABLE") return stringTable();
        if (first.kind == Tok::Ident && first.text == "LANGUAGE") {
            expression();
            expectComma();
            expression();
            return;
        }
        const Token type = lexer_.next();
        if (type.kind != Tok::Ident) fail(type, "resource type expected after '" + first.raw + "'");
        if (type.text == "DIALOG" || type.text == "DIALOGEX")
            return dialog(resourceId(first), type.text == "DIALOGEX");
        if (type.text == "BITMAP" || type.text == "ICON") {
            skipMemoryOptions();
            const std::string file = stringToken();
            const UINT id = resourceId(first);
            auto& files = type.text == "BITMAP" ? out_.bitmapFiles : out_.iconFiles;
            if (files.count(id))
                report(first.line,
                       lowerWord(type.text) + " " + std::to_string(id) + " is defined again");
            files[id] = file;
            return;
        }
        skipOtherResource();
    }

    void skipMemoryOptions() {
        for (const char* option :
             {"DISCARDABLE", "MOVEABLE", "FIXED", "PURE", "IMPURE", "PRELOAD", "LOADONCALL"})
            while (lexer_.acceptWord(option)) {
            }
    }

    // Menus, accelerators, version blocks, design information, files of other types.
    void skipOtherResource() {
        for (;;) {
            const Token t = lexer_.next();
            if (t.kind == Tok::End || t.kind == Tok::String) return;
            if (isBlockStart(t)) {
                skipBlockBody();
                return;
            }
        }
    }

    void stringTable() {
        while (!isBlockStart(lexer_.peek())) {
            const Token t = lexer_.next();
            if (t.kind == Tok::End) fail(t, "STRINGTABLE without BEGIN");
        }
        lexer_.next();
        while (!isBlockEnd(lexer_.peek())) {
            if (lexer_.peek().kind == Tok::End) fail(lexer_.peek(), "STRINGTABLE without END");
            const int line = lexer_.peek().line;
            try {
                const UINT id = static_cast<UINT>(expression());
                lexer_.accept(",");
                std::string text = stringToken();
                if (out_.strings.count(id))
                    report(line, "string " + std::to_string(id) + " is defined again");
                out_.strings[id] = std::move(text);
            } catch (const ParseError& e) {
                report(e.line, e.what);
                while (lexer_.peek().kind != Tok::End && lexer_.peek().line == line &&
                       !isBlockEnd(lexer_.peek()))
                    lexer_.next();
            }
        }
        lexer_.next();
    }

    void dialog(UINT id, bool extended) {
        const int startLine = lexer_.peek().line;
        DialogTemplate dlg;
        dlg.id = id;
        dlg.extended = extended;
        dlg.x = static_cast<int>(expression());
        expectComma();
        dlg.y = static_cast<int>(expression());
        expectComma();
        dlg.cx = static_cast<int>(expression());
        expectComma();
        dlg.cy = static_cast<int>(expression());
        if (lexer_.accept(",")) expression();  // help id
        bool styleGiven = false;
        for (;;) {
            const Token& t = lexer_.peek();
            if (t.kind != Tok::Ident || t.text == "BEGIN") break;
            const std::string option = lexer_.next().text;
            if (option == "STYLE") {
                dlg.style = style(0);
                styleGiven = true;
            } else if (option == "EXSTYLE") {
                dlg.exStyle = style(0);
            } else if (option == "CAPTION") {
                dlg.caption = stringToken();
                dlg.style |= WS_CAPTION;
            } else if (option == "FONT") {
                dlg.fontPointSize = static_cast<int>(expression());
                expectComma();
                dlg.fontFace = stringToken();
                while (lexer_.accept(",")) expression();  // weight, italic, character set
                dlg.style |= DS_SETFONT;
            } else if (option == "MENU" || option == "CLASS") {
                lexer_.next();
            } else if (option == "LANGUAGE") {
                expression();
                expectComma();
                expression();
            } else if (option == "CHARACTERISTICS" || option == "VERSION") {
                expression();
            } else {
                fail(t, "unknown dialog option " + option);
            }
        }
        if (!styleGiven) dlg.style |= WS_POPUP | WS_BORDER | WS_SYSMENU;
        if (!dlg.caption.empty()) dlg.style |= WS_CAPTION;
        if (!dlg.fontFace.empty()) dlg.style |= DS_SETFONT;
        expectBlockStart();
        while (!isBlockEnd(lexer_.peek())) {
            if (lexer_.peek().kind == Tok::End) fail(lexer_.peek(), "dialog without END");
            const int line = lexer_.peek().line;
            try {
                dlg.items.push_back(control());
            } catch (const ParseError& e) {
                report(line, e.what);  // the line the control starts on
                while (lexer_.peek().kind != Tok::End && lexer_.peek().line == line &&
                       !isBlockEnd(lexer_.peek()))
                    lexer_.next();
            }
        }
        lexer_.next();
        // The later definition wins, as with the resource compiler's last word; say so.
        if (out_.dialogs.count(id))
            report(startLine, "dialog " + std::to_string(id) + " is defined again");
        out_.dialogs[id] = std::move(dlg);
    }

    struct ControlShape {
        const char* keyword;
        const char* className;
        DWORD defaults;
        int form;  // 0: text, id, rect; 1: id, rect; 2: icon
    };

    static const ControlShape* shapeOf(const std::string& keyword) {
        static const ControlShape shapes[] = {
            {"LTEXT", "STATIC", SS_LEFT | WS_GROUP, 0},
            {"CTEXT", "STATIC", SS_CENTER | WS_GROUP, 0},
            {"RTEXT", "STATIC", SS_RIGHT | WS_GROUP, 0},
            {"PUSHBUTTON", "BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0},
            {"DEFPUSHBUTTON", "BUTTON", BS_DEFPUSHBUTTON | WS_TABSTOP, 0},
            {"PUSHBOX", "BUTTON", BS_PUSHBOX | WS_TABSTOP, 0},
            {"CHECKBOX", "BUTTON", BS_CHECKBOX | WS_TABSTOP, 0},
            {"AUTOCHECKBOX", "BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0},
            {"STATE3", "BUTTON", BS_3STATE | WS_TABSTOP, 0},
            {"AUTO3STATE", "BUTTON", BS_AUTO3STATE | WS_TABSTOP, 0},
            {"RADIOBUTTON", "BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0},
            {"AUTORADIOBUTTON", "BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0},
            {"GROUPBOX", "BUTTON", BS_GROUPBOX, 0},
            {"EDITTEXT", "EDIT", ES_LEFT | WS_BORDER | WS_TABSTOP, 1},
            {"COMBOBOX", "COMBOBOX", CBS_SIMPLE | WS_TABSTOP, 1},
            {"LISTBOX", "LISTBOX", LBS_NOTIFY | WS_BORDER, 1},
            {"SCROLLBAR", "SCROLLBAR", 0, 1},
            {"ICON", "STATIC", SS_ICON, 2},
        };
        for (const auto& shape : shapes)
            if (keyword == shape.keyword) return &shape;
        return nullptr;
    }

    // A control's text: quoted text, or a resource number naming an icon or bitmap.
    void controlText(DialogItemTemplate& item) {
        const Token& t = lexer_.peek();
        if (t.kind == Tok::String) {
            item.text = lexer_.next().text;
        } else {
            item.imageId = static_cast<UINT>(expression());
        }
    }

    void rectangle(DialogItemTemplate& item, bool sizeOptional) {
        item.x = static_cast<int>(expression());
        expectComma();
        item.y = static_cast<int>(expression());
        if (sizeOptional && !lexer_.accept(",")) return;
        if (!sizeOptional) expectComma();
        item.cx = static_cast<int>(expression());
        expectComma();
        item.cy = static_cast<int>(expression());
    }

    static std::string canonicalClass(const std::string& name) {
        const std::string u = upper(name);
        for (const char* known : {"BUTTON", "EDIT", "STATIC", "LISTBOX", "COMBOBOX", "SCROLLBAR"})
            if (u == known) return known;
        return name;
    }

    void trailingArguments(int line) {
        while (lexer_.peek().kind == Tok::Punct && lexer_.peek().text == "," &&
               lexer_.peek().line == line) {
            lexer_.next();
            expression();
        }
    }

    DialogItemTemplate control() {
        const Token keyword = lexer_.next();
        if (keyword.kind != Tok::Ident)
            fail(keyword, "control expected, not '" + keyword.raw + "'");
        DialogItemTemplate item;
        const DWORD always = WS_CHILD | WS_VISIBLE;
        if (keyword.text == "CONTROL") {
            controlText(item);
            expectComma();
            item.id = static_cast<int>(expression());
            expectComma();
            const Token cls = lexer_.next();
            if (cls.kind != Tok::String && cls.kind != Tok::Ident) fail(cls, "class name expected");
            item.className = canonicalClass(cls.kind == Tok::String ? cls.text : cls.raw);
            expectComma();
            item.style = style(always);
            expectComma();
            rectangle(item, false);
            if (lexer_.accept(",")) item.exStyle = style(0);
            trailingArguments(keyword.line);
            return item;
        }
        const ControlShape* shape = shapeOf(keyword.text);
        if (!shape) fail(keyword, "unknown control " + keyword.raw);
        item.className = shape->className;
        if (shape->form != 1) {
            controlText(item);
            expectComma();
        }
        item.id = static_cast<int>(expression());
        expectComma();
        rectangle(item, shape->form == 2);
        item.style = always | shape->defaults;
        if (lexer_.accept(",")) item.style = style(item.style);
        if (lexer_.accept(",")) item.exStyle = style(0);
        trailingArguments(keyword.line);
        return item;
    }

    Lexer lexer_;
    std::string fileName_;
    SymbolTable& symbols_;
    ResourceScript& out_;
};

}  // namespace

SymbolTable::SymbolTable() {
    const std::pair<const char*, long> known[] = {
        {"IDOK", IDOK},
        {"IDCANCEL", IDCANCEL},
        {"IDABORT", IDABORT},
        {"IDRETRY", IDRETRY},
        {"IDIGNORE", IDIGNORE},
        {"IDYES", IDYES},
        {"IDNO", IDNO},
        {"IDCLOSE", IDCLOSE},
        {"IDHELP", IDHELP},
        {"IDC_STATIC", -1},
        {"WS_OVERLAPPED", WS_OVERLAPPED},
        {"WS_TABSTOP", WS_TABSTOP},
        {"WS_MAXIMIZEBOX", WS_MAXIMIZEBOX},
        {"WS_GROUP", WS_GROUP},
        {"WS_MINIMIZEBOX", WS_MINIMIZEBOX},
        {"WS_THICKFRAME", WS_THICKFRAME},
        {"WS_SIZEBOX", WS_SIZEBOX},
        {"WS_SYSMENU", WS_SYSMENU},
        {"WS_HSCROLL", WS_HSCROLL},
        {"WS_VSCROLL", WS_VSCROLL},
        {"WS_DLGFRAME", WS_DLGFRAME},
        {"WS_BORDER", WS_BORDER},
        {"WS_CAPTION", WS_CAPTION},
        {"WS_MAXIMIZE", WS_MAXIMIZE},
        {"WS_CLIPCHILDREN", WS_CLIPCHILDREN},
        {"WS_CLIPSIBLINGS", WS_CLIPSIBLINGS},
        {"WS_DISABLED", WS_DISABLED},
        {"WS_VISIBLE", WS_VISIBLE},
        {"WS_MINIMIZE", WS_MINIMIZE},
        {"WS_CHILD", WS_CHILD},
        {"WS_CHILDWINDOW", WS_CHILD},
        {"WS_POPUP", static_cast<long>(WS_POPUP)},
        {"WS_OVERLAPPEDWINDOW", WS_OVERLAPPEDWINDOW},
        {"WS_POPUPWINDOW", static_cast<long>(WS_POPUPWINDOW)},
        {"WS_EX_DLGMODALFRAME", WS_EX_DLGMODALFRAME},
        {"WS_EX_NOPARENTNOTIFY", WS_EX_NOPARENTNOTIFY},
        {"WS_EX_TOPMOST", WS_EX_TOPMOST},
        {"WS_EX_ACCEPTFILES", WS_EX_ACCEPTFILES},
        {"WS_EX_TRANSPARENT", WS_EX_TRANSPARENT},
        {"WS_EX_TOOLWINDOW", WS_EX_TOOLWINDOW},
        {"WS_EX_WINDOWEDGE", WS_EX_WINDOWEDGE},
        {"WS_EX_CLIENTEDGE", WS_EX_CLIENTEDGE},
        {"WS_EX_CONTEXTHELP", WS_EX_CONTEXTHELP},
        {"WS_EX_RIGHT", WS_EX_RIGHT},
        {"WS_EX_CONTROLPARENT", WS_EX_CONTROLPARENT},
        {"WS_EX_STATICEDGE", WS_EX_STATICEDGE},
        {"WS_EX_APPWINDOW", WS_EX_APPWINDOW},
        {"DS_ABSALIGN", DS_ABSALIGN},
        {"DS_SYSMODAL", DS_SYSMODAL},
        {"DS_3DLOOK", DS_3DLOOK},
        {"DS_FIXEDSYS", DS_FIXEDSYS},
        {"DS_NOFAILCREATE", DS_NOFAILCREATE},
        {"DS_LOCALEDIT", DS_LOCALEDIT},
        {"DS_SETFONT", DS_SETFONT},
        {"DS_MODALFRAME", DS_MODALFRAME},
        {"DS_NOIDLEMSG", DS_NOIDLEMSG},
        {"DS_SETFOREGROUND", DS_SETFOREGROUND},
        {"DS_CONTROL", DS_CONTROL},
        {"DS_CENTER", DS_CENTER},
        {"DS_CENTERMOUSE", DS_CENTERMOUSE},
        {"DS_CONTEXTHELP", DS_CONTEXTHELP},
        {"DS_SHELLFONT", DS_SHELLFONT},
        {"BS_PUSHBUTTON", BS_PUSHBUTTON},
        {"BS_DEFPUSHBUTTON", BS_DEFPUSHBUTTON},
        {"BS_CHECKBOX", BS_CHECKBOX},
        {"BS_AUTOCHECKBOX", BS_AUTOCHECKBOX},
        {"BS_RADIOBUTTON", BS_RADIOBUTTON},
        {"BS_3STATE", BS_3STATE},
        {"BS_AUTO3STATE", BS_AUTO3STATE},
        {"BS_GROUPBOX", BS_GROUPBOX},
        {"BS_USERBUTTON", BS_USERBUTTON},
        {"BS_AUTORADIOBUTTON", BS_AUTORADIOBUTTON},
        {"BS_PUSHBOX", BS_PUSHBOX},
        {"BS_OWNERDRAW", BS_OWNERDRAW},
        {"BS_LEFTTEXT", BS_LEFTTEXT},
        {"BS_RIGHTBUTTON", BS_LEFTTEXT},
        {"BS_TEXT", BS_TEXT},
        {"BS_ICON", BS_ICON},
        {"BS_BITMAP", BS_BITMAP},
        {"BS_LEFT", BS_LEFT},
        {"BS_RIGHT", BS_RIGHT},
        {"BS_CENTER", BS_CENTER},
        {"BS_TOP", BS_TOP},
        {"BS_BOTTOM", BS_BOTTOM},
        {"BS_VCENTER", BS_VCENTER},
        {"BS_PUSHLIKE", BS_PUSHLIKE},
        {"BS_MULTILINE", BS_MULTILINE},
        {"BS_NOTIFY", BS_NOTIFY},
        {"BS_FLAT", BS_FLAT},
        {"ES_LEFT", ES_LEFT},
        {"ES_CENTER", ES_CENTER},
        {"ES_RIGHT", ES_RIGHT},
        {"ES_MULTILINE", ES_MULTILINE},
        {"ES_UPPERCASE", ES_UPPERCASE},
        {"ES_LOWERCASE", ES_LOWERCASE},
        {"ES_PASSWORD", ES_PASSWORD},
        {"ES_AUTOVSCROLL", ES_AUTOVSCROLL},
        {"ES_AUTOHSCROLL", ES_AUTOHSCROLL},
        {"ES_NOHIDESEL", ES_NOHIDESEL},
        {"ES_OEMCONVERT", ES_OEMCONVERT},
        {"ES_READONLY", ES_READONLY},
        {"ES_WANTRETURN", ES_WANTRETURN},
        {"ES_NUMBER", ES_NUMBER},
        {"SS_LEFT", SS_LEFT},
        {"SS_CENTER", SS_CENTER},
        {"SS_RIGHT", SS_RIGHT},
        {"SS_ICON", SS_ICON},
        {"SS_BLACKRECT", SS_BLACKRECT},
        {"SS_GRAYRECT", SS_GRAYRECT},
        {"SS_WHITERECT", SS_WHITERECT},
        {"SS_BLACKFRAME", SS_BLACKFRAME},
        {"SS_GRAYFRAME", SS_GRAYFRAME},
        {"SS_WHITEFRAME", SS_WHITEFRAME},
        {"SS_SIMPLE", SS_SIMPLE},
        {"SS_LEFTNOWORDWRAP", SS_LEFTNOWORDWRAP},
        {"SS_OWNERDRAW", SS_OWNERDRAW},
        {"SS_BITMAP", SS_BITMAP},
        {"SS_ETCHEDHORZ", SS_ETCHEDHORZ},
        {"SS_ETCHEDVERT", SS_ETCHEDVERT},
        {"SS_ETCHEDFRAME", SS_ETCHEDFRAME},
        {"SS_NOPREFIX", SS_NOPREFIX},
        {"SS_NOTIFY", SS_NOTIFY},
        {"SS_CENTERIMAGE", SS_CENTERIMAGE},
        {"SS_REALSIZEIMAGE", SS_REALSIZEIMAGE},
        {"SS_SUNKEN", SS_SUNKEN},
        {"CBS_SIMPLE", CBS_SIMPLE},
        {"CBS_DROPDOWN", CBS_DROPDOWN},
        {"CBS_DROPDOWNLIST", CBS_DROPDOWNLIST},
        {"CBS_OWNERDRAWFIXED", CBS_OWNERDRAWFIXED},
        {"CBS_OWNERDRAWVARIABLE", CBS_OWNERDRAWVARIABLE},
        {"CBS_AUTOHSCROLL", CBS_AUTOHSCROLL},
        {"CBS_OEMCONVERT", CBS_OEMCONVERT},
        {"CBS_SORT", CBS_SORT},
        {"CBS_HASSTRINGS", CBS_HASSTRINGS},
        {"CBS_NOINTEGRALHEIGHT", CBS_NOINTEGRALHEIGHT},
        {"CBS_DISABLENOSCROLL", CBS_DISABLENOSCROLL},
        {"CBS_UPPERCASE", CBS_UPPERCASE},
        {"CBS_LOWERCASE", CBS_LOWERCASE},
        {"LBS_NOTIFY", LBS_NOTIFY},
        {"LBS_SORT", LBS_SORT},
        {"LBS_NOREDRAW", LBS_NOREDRAW},
        {"LBS_MULTIPLESEL", LBS_MULTIPLESEL},
        {"LBS_OWNERDRAWFIXED", LBS_OWNERDRAWFIXED},
        {"LBS_OWNERDRAWVARIABLE", LBS_OWNERDRAWVARIABLE},
        {"LBS_HASSTRINGS", LBS_HASSTRINGS},
        {"LBS_USETABSTOPS", LBS_USETABSTOPS},
        {"LBS_NOINTEGRALHEIGHT", LBS_NOINTEGRALHEIGHT},
        {"LBS_MULTICOLUMN", LBS_MULTICOLUMN},
        {"LBS_WANTKEYBOARDINPUT", LBS_WANTKEYBOARDINPUT},
        {"LBS_EXTENDEDSEL", LBS_EXTENDEDSEL},
        {"LBS_DISABLENOSCROLL", LBS_DISABLENOSCROLL},
        {"LBS_NODATA", LBS_NODATA},
        {"LBS_NOSEL", LBS_NOSEL},
        {"LBS_STANDARD", static_cast<long>(LBS_STANDARD)},
        {"TCS_BOTTOM", TCS_BOTTOM},
        {"TCS_MULTILINE", TCS_MULTILINE},
        {"TCS_TABS", TCS_TABS},
        {"TCS_BUTTONS", TCS_BUTTONS},
        {"TCS_FIXEDWIDTH", TCS_FIXEDWIDTH},
        {"TCS_FOCUSNEVER", TCS_FOCUSNEVER},
        {"TCS_TOOLTIPS", TCS_TOOLTIPS},
        {"SBS_HORZ", 0},
        {"SBS_VERT", 1},
    };
    for (const auto& [name, value] : known) values_[name] = value;
}

void SymbolTable::define(const std::string& name, long value) {
    values_[name] = value;
}

bool SymbolTable::lookup(const std::string& name, long& value) const {
    auto it = values_.find(name);
    if (it == values_.end()) return false;
    value = it->second;
    return true;
}

void SymbolTable::readHeader(std::string_view text, const std::string& fileName,
                             std::vector<std::string>& errors) {
    ResourceScript scratch;
    ScriptReader reader(text, fileName, *this, scratch);
    reader.readAll();
    // A header holds only definitions; anything else in it is not ours to judge.
    for (auto& e : scratch.errors)
        if (e.find("cannot read the value") != std::string::npos) errors.push_back(std::move(e));
}

void readResourceScript(std::string_view text, const std::string& fileName, SymbolTable& symbols,
                        ResourceScript& out) {
    ScriptReader reader(text, fileName, symbols, out);
    reader.readAll();
}

std::vector<std::string> scriptIncludes(std::string_view text) {
    std::vector<std::string> includes;
    std::size_t pos = 0;
    while ((pos = text.find("#include", pos)) != std::string_view::npos) {
        const std::size_t end = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        const auto open = line.find_first_of("\"<");
        const auto close = line.find_last_of("\">");
        if (open != std::string_view::npos && close != std::string_view::npos && close > open)
            includes.emplace_back(line.substr(open + 1, close - open - 1));
        pos += 8;
    }
    return includes;
}

}  // namespace win
