#pragma once

#include <string>
#include <string_view>

namespace VT {

// Appends one line of a list file. A line feed inside the text would split the line and
// break the file when it is read back, so it is written as a blank. A lone carriage
// return is line content to the reader, so it is kept and the text reads back as it was.
void AppendRecordLine(std::string& output, std::string_view text);

// The same for a part of a line.
void AppendRecordText(std::string& output, std::string_view text);

// Appends one line of a file that other programs read (M3U): they may break a line at
// a carriage return as well, so both are written as blanks.
void AppendPlayerLine(std::string& output, std::string_view text);

} // namespace VT
