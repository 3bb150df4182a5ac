#pragma once
// A bill feed read from JSON: the columns of a bill, the caller's variables, the pictures of
// rows, and the rows and subtotals in the order the core library's list output sends them.
// The format is described in docs/bill-output.md.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

struct BillFeedStep {
    bool subtotal = false;
    std::vector<std::string> texts;  // Windows-1252
};

struct BillFeed {
    std::vector<std::string> columnNames;
    std::vector<int> columnKinds;  // 1 whole numbers, 2 one decimal, 3 text, 0 as it comes
    std::vector<std::string> varNames, varValues;
    std::vector<std::pair<std::string, std::filesystem::path>> pictures;  // row mark, bitmap
    std::vector<BillFeedStep> steps;
};

// Limits of a feed, so a damaged or hostile file cannot exhaust the machine.
inline constexpr std::size_t kMaxFeedBytes = 64u << 20;
inline constexpr std::size_t kMaxFeedColumns = 256;
inline constexpr std::size_t kMaxFeedSteps = 1000000;

// The feed of a text whose pictures are named relative to folder. False with why, and feed
// untouched, when it is not a feed or a picture would lie outside folder.
bool parseBillFeed(std::string_view text, const std::filesystem::path& folder, BillFeed& feed,
                   std::string& why);
// False with why (naming the file and the place in it) when the feed cannot be read.
bool readBillFeed(const std::filesystem::path& file, BillFeed& feed, std::string& why);
