#include "core/macro/MacroPropertyFile.h"

#include <vector>

#include "core/PathHelpers.h"
#include "core/macro/MacroData.h"
#include "core/macro/MacroValueText.h"
#include "core/macro/MixedWord.h"
#include "core/macro/Mdx_CutConstraint.h"

namespace macro_property_file {

namespace {

constexpr const char* kMagic = "MDX-MACRO-VALUES";
constexpr int kMaxNameLength = 100;

using Fields = std::vector<std::string>;

struct Record {
    int line = 0;
    Fields fields;
};

// Record kinds and the number of fields each holds after its keyword.
struct Kind {
    const char* keyword;
    std::size_t fieldCount;
};
constexpr Kind kKinds[] = {{"macro", 1}, {"tab", 1}, {"var", 2}, {"cut", 2},
                           {"bolt", 2},  {"bolts", 4}, {"end", 0}};

std::string utf8(const Mdx_String& text) {
    return text.toUtf8();
}

bool isWritable(const Mdx_String& text) {
    for (char c : text.view())
        if (c == '\t' || c == '\r' || c == '\n') return false;
    return true;
}

// Neither empty nor the mixed word: a value the data really holds.
bool isSet(const Mdx_String& text) {
    return !text.isEmpty() && !isMixedWord(text);
}

class Writer {
public:
    void line(std::initializer_list<Mdx_String> fields) {
        Mdx_String text;
        for (const Mdx_String& field : fields) {
            if (!text.isEmpty()) text += '\t';
            if (!isWritable(field)) bad_ = bad_.isEmpty() ? field : bad_;
            text += field;
        }
        out_ += text.str() + "\r\n";
    }
    const std::string& text() const { return out_; }
    // The first value that held a tab or line break; empty when none did.
    const Mdx_String& bad() const { return bad_; }

private:
    std::string out_;
    Mdx_String bad_;
};

void composeTab(const MacroTabData& tab, Writer& out) {
    out.line({"tab", tab.name});
    for (const MacroVarData& variable : tab.variables())
        if (!variable.readOnly && !isMixedWord(variable.value))
            out.line({"var", variable.name, variable.value});
    for (const MacroCutData& cut : tab.cuts())
        if (cut.typeIndex >= 0) out.line({"cut", cut.name, Mdx_String::fromInt(cut.typeIndex)});
    if (const MacroBoltData* bolts = tab.getBoltData()) {
        MacroBoltData copy = *bolts;
        for (int number = 1; number <= 5; ++number)
            if (isSet(*copy.boltValue(number)))
                out.line({"bolt", Mdx_String::fromInt(number), *copy.boltValue(number)});
    }
    for (const MacroPatternData& pattern : tab.patterns())
        if (isSet(pattern.nrBolts1))
            out.line({"bolts", pattern.name, pattern.nrBolts1, pattern.nrBolts2, pattern.value});
}

Fields splitTabs(const std::string& line) {
    Fields fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
        if (tab == std::string::npos) return fields;
        start = tab + 1;
    }
}

bool refuse(std::string& error, int line, const std::string& why) {
    error = "line " + std::to_string(line) + ": " + why;
    return false;
}

bool checkRecord(const Record& record, std::string& error) {
    const std::string& keyword = record.fields[0];
    for (const Kind& kind : kKinds) {
        if (keyword != kind.keyword) continue;
        if (record.fields.size() != kind.fieldCount + 1)
            return refuse(error, record.line,
                          "\"" + keyword + "\" needs " + std::to_string(kind.fieldCount) +
                              " values after it");
        for (const std::string& field : record.fields)
            if (field.size() > kMaxFieldBytes)
                return refuse(error, record.line, "a value is longer than " +
                                                      std::to_string(kMaxFieldBytes) + " bytes");
        return true;
    }
    return refuse(error, record.line, "unknown record \"" + utf8(Mdx_String(keyword)) + "\"");
}

// The lines after the header up to "end", each checked; false for anything out of form.
bool parse(const std::string& text, std::vector<Record>& records, std::string& error) {
    if (text.size() > kMaxBytes)
        return refuse(error, 1, "the file is larger than " + std::to_string(kMaxBytes) + " bytes");
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        if (static_cast<int>(lines.size()) >= kMaxLines)
            return refuse(error, kMaxLines, "the file has more than " +
                                                std::to_string(kMaxLines) + " lines");
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    if (lines.empty() || lines[0] != std::string(kMagic) + "\t" + std::to_string(kVersion))
        return refuse(error, 1, "not a property file of version " + std::to_string(kVersion));
    bool ended = false;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (ended) {
            if (!lines[i].empty()) return refuse(error, number, "text after \"end\"");
            continue;
        }
        Record record{number, splitTabs(lines[i])};
        if (!checkRecord(record, error)) return false;
        ended = record.fields[0] == "end";
        if (!ended) records.push_back(std::move(record));
    }
    if (!ended) return refuse(error, static_cast<int>(lines.size()), "the file ends without \"end\"");
    if (records.empty() || records[0].fields[0] != "macro")
        return refuse(error, 2, "the file does not name its macro first");
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (records[i].fields[0] == "macro")
            return refuse(error, records[i].line, "a second macro name");
        if (records[i].fields[0] != "tab" && (i == 1))
            return refuse(error, records[i].line, "a value before the first tab");
    }
    return true;
}

// Whether the value could be put into the tab; false counts as not applied.
bool applyVariable(MacroTabData& tab, const Mdx_String& name, const Mdx_String& value) {
    MacroVarData* variable = tab.findCellWithName(name);
    double number = 0;
    if (!variable || variable->readOnly || !readVariableText(variable->kind, value, number))
        return false;
    variable->value = value;
    return true;
}

bool applyCut(MacroTabData& tab, const Mdx_String& name, const Mdx_String& value) {
    MacroCutData* cut = tab.findCutWithName(name);
    const int type = value.toInt();
    if (!cut || !value.isNumber() || Mdx_String::fromInt(type) != value || type < 0 ||
        type >= mdxCutTypeCount)
        return false;
    cut->typeIndex = type;
    return true;
}

bool applyBolt(MacroTabData& tab, const Mdx_String& number, const Mdx_String& value) {
    MacroBoltData* bolts = tab.getBoltData();
    Mdx_String* target = bolts ? bolts->boltValue(number.toInt()) : nullptr;
    if (!target || Mdx_String::fromInt(number.toInt()) != number || value.isEmpty()) return false;
    *target = value;
    return true;
}

bool applyCounts(MacroTabData& tab, const Fields& fields) {
    MacroPatternData* pattern = tab.findPattern(Mdx_String(fields[1]));
    const Mdx_String spacing(fields[4]);
    if (!pattern || (!spacing.isEmpty() && !spacing.isNumber())) return false;
    Mdx_String first(fields[2]);
    Mdx_String second(fields[3]);
    MacroTabData trial = tab;  // both counts or neither
    if (getSetNrBolts(&trial, pattern->name, first, false, true) != Acad::eOk) return false;
    if (pattern->twoDirections &&
        getSetNrBolts(&trial, pattern->name, second, false, false) != Acad::eOk)
        return false;
    tab = std::move(trial);
    if (!spacing.isEmpty()) tab.findPattern(Mdx_String(fields[1]))->value = spacing;
    return true;
}

bool applyRecord(MacroTabData* tab, const Record& record) {
    if (!tab) return false;
    const Fields& f = record.fields;
    if (f[0] == "var") return applyVariable(*tab, Mdx_String(f[1]), Mdx_String(f[2]));
    if (f[0] == "cut") return applyCut(*tab, Mdx_String(f[1]), Mdx_String(f[2]));
    if (f[0] == "bolt") return applyBolt(*tab, Mdx_String(f[1]), Mdx_String(f[2]));
    return applyCounts(*tab, f);
}

}  // namespace

bool compose(const MacroData& data, std::string& text, std::string& error) {
    Writer out;
    out.line({kMagic, Mdx_String::fromInt(kVersion)});
    out.line({"macro", data.macroNames().isEmpty() ? Mdx_String() : data.macroNames()[0]});
    for (int t = 0; t < data.tabCount(); ++t) composeTab(*data.getTab(t), out);
    out.line({"end"});
    if (!out.bad().isEmpty()) {
        error = "the value \"" + utf8(out.bad()) + "\" holds a tab or a line break";
        return false;
    }
    text = out.text();
    return true;
}

bool apply(const std::string& text, MacroData& data, int& count, std::string& error) {
    std::vector<Record> records;
    if (!parse(text, records, error)) return false;
    const Mdx_String macro(records[0].fields[1]);
    if (data.macroNames().isEmpty() || !macro.equal(data.macroNames()[0], false)) {
        error = "the file holds values of the macro \"" + utf8(macro) + "\"";
        return false;
    }
    MacroData changed = data;
    int missed = 0;
    MacroTabData* tab = nullptr;
    for (std::size_t i = 1; i < records.size(); ++i) {
        if (records[i].fields[0] == "tab") {
            int index = -1;
            tab = changed.findTab(Mdx_String(records[i].fields[1]), index) ? changed.getTab(index)
                                                                         : nullptr;
            continue;
        }
        if (!applyRecord(tab, records[i])) ++missed;
    }
    data = std::move(changed);
    count = missed;
    return true;
}

bool checkName(const Mdx_String& name, std::string& error) {
    Mdx_String trimmed = name;
    trimmed.trim();
    if (trimmed.isEmpty()) return error = "give the property file a name", false;
    if (trimmed != name || name.endsWith(".", true))
        return error = "a file name may not start or end with a blank or end with a point", false;
    if (name.length() > kMaxNameLength)
        return error = "a file name may hold at most " + std::to_string(kMaxNameLength) +
                       " characters",
               false;
    if (hasInvalidFileNameChars(name) || name == "." || name == "..")
        return error = "a file name may not hold < > : \" / \\ | ? * or control characters",
               false;
    return true;
}

}  // namespace macro_property_file
