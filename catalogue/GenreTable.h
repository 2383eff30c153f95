#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace VT {

// The ID3v1 genre names, numbers 0 to 125.
extern const std::array<std::string_view, 126> GenreTable;

// The name of a genre number; empty for any number outside the table, 255 included.
std::string GenreName(std::int32_t number);
// The number of the first entry equal to `name` byte for byte; 255 when none is.
std::int32_t GenreNumber(std::string_view name);

} // namespace VT
