#pragma once

#include <cstddef>
#include <string_view>

namespace VT {

// Every extension this system tells files by has four characters, the dot included.
inline constexpr std::size_t ExtensionLength = 4;

// True when the name ends in the extension written all in small or all in capital
// letters: ".mp3" and ".MP3" name songs, while ".Mp3" and the like name nothing.
bool HasExtension(std::string_view name, std::string_view smallExtension);

} // namespace VT
