#pragma once
// Identifies an object of a drawing database by its handle: a number the database hands out
// once and never again, so an id stays valid in files and across sessions. Handle 0 is the
// null id, which names no object.
#include <cstdint>
#include <string>
#include <string_view>

class AcDbObjectId {
public:
    constexpr AcDbObjectId() = default;
    static constexpr AcDbObjectId fromHandle(std::uint64_t handle) { return AcDbObjectId(handle); }
    static const AcDbObjectId kNull;

    constexpr std::uint64_t handle() const { return handle_; }
    constexpr bool isNull() const { return handle_ == 0; }
    void setNull() { handle_ = 0; }

    friend constexpr bool operator==(AcDbObjectId a, AcDbObjectId b) = default;
    friend constexpr auto operator<=>(AcDbObjectId a, AcDbObjectId b) = default;

    // Text form used in files: the handle in upper-case hexadecimal, "0" for the null id.
    std::string toText() const;
    // Accepts 1 to 16 hexadecimal digits of either case and nothing else; on failure id is
    // left as it was.
    static bool fromText(std::string_view text, AcDbObjectId& id);

private:
    constexpr explicit AcDbObjectId(std::uint64_t handle) : handle_(handle) {}
    std::uint64_t handle_ = 0;
};

inline constexpr AcDbObjectId AcDbObjectId::kNull{};

template <>
struct std::hash<AcDbObjectId> {
    std::size_t operator()(AcDbObjectId id) const noexcept {
        // Handles are dense small numbers; a multiplicative mix spreads them over the buckets.
        return static_cast<std::size_t>(id.handle() * 0x9E3779B97F4A7C15ull);
    }
};
