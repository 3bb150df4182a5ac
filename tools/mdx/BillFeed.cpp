#include "BillFeed.h"

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "core/Mdx_String.h"

namespace {

using nlohmann::json;

const std::vector<std::pair<std::string, int>> kKindNames = {
    {"integer", 1}, {"decimal", 2}, {"text", 3}, {"plain", 0}};

std::string toModuleText(const std::string& utf8) {
    return Mdx_String::fromUtf8(utf8).str();
}

// The texts of a row: strings as they are, numbers written as JSON writes them.
bool readTexts(const json& cells, std::vector<std::string>& texts, std::string& why) {
    if (!cells.is_array() || cells.size() > kMaxFeedColumns) {
        why = "a row must be an array of at most 256 cells";
        return false;
    }
    for (const json& cell : cells) {
        if (cell.is_string())
            texts.push_back(toModuleText(cell.get<std::string>()));
        else if (cell.is_number())
            texts.push_back(cell.dump());
        else if (cell.is_null())
            texts.emplace_back();
        else {
            why = "a cell must be a text, a number or null";
            return false;
        }
    }
    return true;
}

bool readColumns(const json& document, BillFeed& feed, std::string& why) {
    const json& columns = document.at("columns");
    if (!columns.is_array() || columns.empty() || columns.size() > kMaxFeedColumns) {
        why = "\"columns\" must list 1 to 256 columns";
        return false;
    }
    for (const json& column : columns) {
        const std::string kind = column.value("kind", "plain");
        int code = -1;
        for (const auto& [name, value] : kKindNames)
            if (name == kind) code = value;
        if (code < 0) {
            why = "unknown column kind \"" + kind + "\" (integer, decimal, text or plain)";
            return false;
        }
        feed.columnNames.push_back(toModuleText(column.at("name").get<std::string>()));
        feed.columnKinds.push_back(code);
    }
    return true;
}

bool readSteps(const json& document, BillFeed& feed, std::string& why) {
    const json& rows = document.at("feed");
    if (!rows.is_array() || rows.size() > kMaxFeedSteps) {
        why = "\"feed\" must be an array of at most 1000000 entries";
        return false;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const json& entry = rows[i];
        BillFeedStep step;
        const bool isRow = entry.is_object() && entry.contains("row");
        step.subtotal = entry.is_object() && entry.contains("subtotals");
        if (isRow == step.subtotal) {
            why = "feed entry " + std::to_string(i + 1) + " must hold either \"row\" or \"subtotals\"";
            return false;
        }
        if (!readTexts(entry.at(isRow ? "row" : "subtotals"), step.texts, why)) {
            why = "feed entry " + std::to_string(i + 1) + ": " + why;
            return false;
        }
        feed.steps.push_back(std::move(step));
    }
    return true;
}

// A picture's file is named relative to the feed's folder and must stay inside it.
bool pictureInsideFolder(const std::string& name) {
    const std::filesystem::path path(name);
    if (name.empty() || path.has_root_path() || name.find(':') != std::string::npos ||
        name.find('\\') != std::string::npos)
        return false;
    for (const auto& part : path)
        if (part == "..") return false;
    return true;
}

bool readExtras(const json& document, const std::filesystem::path& folder, BillFeed& feed,
                std::string& why) {
    if (document.contains("variables"))
        for (const json& variable : document.at("variables")) {
            feed.varNames.push_back(toModuleText(variable.at("name").get<std::string>()));
            feed.varValues.push_back(toModuleText(variable.at("value").get<std::string>()));
        }
    if (document.contains("pictures"))
        for (const auto& [mark, file] : document.at("pictures").items()) {
            const std::string name = file.get<std::string>();
            if (!pictureInsideFolder(name)) {
                why = "the picture \"" + name + "\" must be a file inside the feed's folder";
                return false;
            }
            feed.pictures.push_back({toModuleText(mark), folder / name});
        }
    return true;
}

}  // namespace

bool parseBillFeed(std::string_view text, const std::filesystem::path& folder, BillFeed& feed,
                   std::string& why) {
    try {
        const json document = json::parse(text);
        if (!document.is_object()) {
            why = "not a bill feed (not a JSON object)";
            return false;
        }
        BillFeed read;
        if (!readColumns(document, read, why) || !readSteps(document, read, why) ||
            !readExtras(document, folder, read, why))
            return false;
        feed = std::move(read);
        return true;
    } catch (const json::exception& e) {
        why = std::string("not a bill feed (") + e.what() + ")";
        return false;
    }
}

bool readBillFeed(const std::filesystem::path& file, BillFeed& feed, std::string& why) {
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    if (error) {
        why = file.string() + ": cannot be read";
        return false;
    }
    if (size > kMaxFeedBytes) {
        why = file.string() + ": larger than 64 MB, not a bill feed";
        return false;
    }
    std::ifstream in(file, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), {});
    if (!parseBillFeed(text, file.parent_path(), feed, why)) {
        why = file.string() + ": " + why;
        return false;
    }
    return true;
}
