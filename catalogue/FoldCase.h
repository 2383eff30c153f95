#pragma once

#include <string>
#include <string_view>

namespace VT {

// Every case-blind comparison of this system folds only the basic Latin capitals A to Z;
// the bytes of the code page's accented letters stay as they are.
constexpr unsigned char FoldByte(char byte)
{
    const auto c = static_cast<unsigned char>(byte);
    return static_cast<unsigned>(c - 'A') < 26u ? static_cast<unsigned char>(c | 0x20) : c;
}

inline std::string FoldCase(std::string_view text)
{
    std::string folded(text);
    for (char& byte : folded)
        byte = static_cast<char>(FoldByte(byte));
    return folded;
}

} // namespace VT
