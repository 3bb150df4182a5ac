#pragma once
// Reading a scenario file: the bytes of a regular file of bounded size, parsed as JSON no
// deeper than kMaxScenarioNesting, with the header every scenario carries. The steps are
// checked by the runner afterwards.
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

inline constexpr int kMaxScenarioNesting = 64;
inline constexpr std::uintmax_t kMaxScenarioBytes = 16u * 1024u * 1024u;

enum class ScenarioReadResult {
    Read,
    Unreadable,  // missing, not a regular file, too large, or no JSON
    Refused,     // JSON, but not a scenario
};

// Parses the text; on failure error says why (one line, no file name).
ScenarioReadResult parseScenarioText(std::string_view text, nlohmann::json& scenario,
                                     std::string& error);

// Reads and parses the file; on failure error names the file as given.
ScenarioReadResult readScenarioFile(const std::string& path, nlohmann::json& scenario,
                                    std::string& error);
