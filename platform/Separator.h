#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace Platform {

// The one separator this system writes between folder and file names.
#ifdef _WIN32
inline constexpr char Separator = '\\';
#else
inline constexpr char Separator = '/';
#endif

// What splits a path here. Windows takes either; elsewhere a backslash is an ordinary byte
// of a name ("AC\DC" is one folder), so splitting at it would name files that do not exist.
#ifdef _WIN32
inline constexpr std::string_view Separators = "\\/";
#else
inline constexpr std::string_view Separators = "/";
#endif

constexpr bool IsSeparator(char c) { return Separators.find(c) != std::string_view::npos; }

// The position of the last separator in path[from, to), searched backwards; npos when none.
constexpr std::size_t LastSeparator(std::string_view path, std::size_t from, std::size_t to)
{
    for (std::size_t i = to; i-- > from;) {
        if (IsSeparator(path[i]))
            return i;
    }
    return std::string_view::npos;
}

// The folder part of a file's path, up to and with its last separator; empty when the
// path names no folder.
inline std::string FolderOf(std::string_view path)
{
    const std::size_t separator = LastSeparator(path, 0, path.size());
    return separator == std::string_view::npos ? std::string() : std::string(path.substr(0, separator + 1));
}

} // namespace Platform
