#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

// The main window's settings that "options.opt" keeps from one run to the next, in the
// order of the file's lines.
struct WindowOptions {
    std::uint8_t PrevToolBoxState = 0;
    std::uint8_t ToolBoxState = 1;
    // The kind of the shown list (0 a source, 1 a play list, 2 nothing) and its row.
    std::uint8_t ShownKind = 2;
    std::int32_t ShownRow = -1;
    std::array<std::int32_t, 8> ColumnWidths{};

    bool operator==(const WindowOptions&) const = default;
};

// Twelve decimal integers, one a line; the states and the kind are 8-bit values and are
// written sign-extended.
std::string FormatOptions(const WindowOptions& options);

// Reads the file's integers over `options`, skipping white space between them and taking
// each 8-bit value by its low 8 bits. Where a value cannot be read, it and every later one
// keep what `options` held. A column width outside 1 to 4,000 pixels keeps what `options`
// held, and the Path column's width is never taken. False when the text ends with the
// first value's digits, or holds nothing: then only that value is taken.
bool ReadOptions(std::string_view text, WindowOptions& options);
