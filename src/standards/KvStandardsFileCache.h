#pragma once
// Parsed data and standard-size files, kept between calls of the standards functions. One
// evaluation calls GETCELL and the tolerance functions on the same few files again and
// again; each file is parsed once and then served from memory for as long as it is the same
// file: its real path, modification time and size are checked at every call, so a file
// edited between two calls is read again.
//
// A file modified in the last kSettleSeconds is parsed for each call and not kept: file
// times are coarse, and a second edit of the same size within one tick would otherwise go
// unseen. At most kMaxFiles files and kMaxBytes bytes of them are kept; the file used least
// recently goes first, and a file larger than kMaxBytes is never kept.
#include <cstddef>
#include <memory>
#include <string_view>

#include "core/Mdx_String.h"

// What a parser makes of a file's bytes.
class KvCachedFile {
public:
    virtual ~KvCachedFile() = default;
};

using KvFileParser = std::unique_ptr<KvCachedFile> (*)(std::string_view bytes);

namespace standards_file_cache {

inline constexpr int kMaxFiles = 32;
inline constexpr std::size_t kMaxBytes = 32u << 20;
inline constexpr int kSettleSeconds = 2;

// The file at the module path, parsed by parse; null when it cannot be read. The same
// parser always makes the same kind of result, so callers may cast it back.
std::shared_ptr<const KvCachedFile> parsedFile(const Mdx_String& path, KvFileParser parse);

// Forgets every kept file.
void clear();
// Files kept now.
int fileCount();

}  // namespace standards_file_cache
