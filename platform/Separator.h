#pragma once

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

} // namespace Platform
