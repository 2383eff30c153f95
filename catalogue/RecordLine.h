#pragma once

#include <string>
#include <string_view>

namespace VT {

// Appends one line of a text file that this system writes. A carriage return or a line
// feed inside the text would split the line and break the file when it is read back,
// so each is written as a blank.
void AppendRecordLine(std::string& output, std::string_view text);

// The same for a part of a line: appends the text with its line breaks made blanks.
void AppendRecordText(std::string& output, std::string_view text);

} // namespace VT
