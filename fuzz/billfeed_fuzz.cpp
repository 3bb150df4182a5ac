// Bill feeds from arbitrary bytes: reading must never crash or throw, a refusal says why and
// leaves the feed as it was, and a feed that is read keeps within its limits and names its
// pictures inside the feed's folder.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "BillFeed.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 65536) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path folder = "/feeds/here";
    BillFeed feed;
    feed.columnNames.push_back("kept");
    std::string why;
    if (!parseBillFeed(text, folder, feed, why)) {
        if (why.empty() || feed.columnNames.size() != 1 || feed.columnNames[0] != "kept")
            std::abort();
        return 0;
    }
    if (feed.columnNames.empty() || feed.columnNames.size() > kMaxFeedColumns ||
        feed.columnNames.size() != feed.columnKinds.size() ||
        feed.varNames.size() != feed.varValues.size())
        std::abort();
    for (const BillFeedStep& step : feed.steps)
        if (step.texts.size() > kMaxFeedColumns) std::abort();
    for (const auto& picture : feed.pictures) {
        const std::filesystem::path relative = picture.second.lexically_relative(folder);
        if (relative.empty() || *relative.begin() == "..") std::abort();
    }
    return 0;
}
