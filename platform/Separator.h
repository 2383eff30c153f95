#pragma once

#include <cstddef>
#include <string_view>

namespace Platform {

// The one separator this system writes between folder and file names.
#ifdef _WIN32
inline constexpr char Separator = '\\';
#else
inline constexpr char Separator = '/';
#endif

// Paths may come from lists and M3U files written on either kind of system,
// so splitting accepts both separators.
constexpr bool IsSeparator(char c) { return c == '/' || c == '\\'; }

// The position of the last separator in path[from, to), searched backwards; npos when none.
constexpr std::size_t LastSeparator(std::string_view path, std::size_t from, std::size_t to)
{
    for (std::size_t i = to; i-- > from;) {
        if (IsSeparator(path[i]))
            return i;
    }
    return std::string_view::npos;
}

} // namespace Platform
