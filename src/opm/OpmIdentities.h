#pragma once
// The COM identities of the property classes that the sibling module carries: its type
// library, its classes and its interfaces, in the order they are registered. The sibling
// module uses the same numbers.
#include <cstdint>
#include <span>
#include <string>

struct ComGuid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];
};

struct ComIdentity {
    const char* name;
    ComGuid id;
};

namespace opm {

const ComIdentity& typeLibrary();
std::span<const ComIdentity> classes();     // 19, Bolt first
std::span<const ComIdentity> interfaces();  // 14, IBolt first

// The registry form: braces, upper-case hexadecimal, groups 8-4-4-4-12.
std::string guidText(const ComGuid& id);

}  // namespace opm
