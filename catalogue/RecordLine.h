#pragma once

#include "platform/TextLines.h"

#include <cstring>
#include <string>
#include <string_view>

namespace VT {

// Appends one line of a list file. A line feed inside the text would split the line and
// break the file when it is read back, so it is written as a blank. A lone carriage
// return is line content to the reader, so it is kept and the text reads back as it was.
void AppendRecordLine(std::string& output, std::string_view text);

// Writes the text of such a line at `at`, where room for it was made, and returns
// where it ends; PutLineEnd does the same for a line end. A record of many
// lines is written this way into room made for all of them at once.
char* PutRecordText(char* at, std::string_view text);
inline char* PutLineEnd(char* at)
{
    std::memcpy(at, Platform::LineEnd.data(), Platform::LineEnd.size());
    return at + Platform::LineEnd.size();
}
// The same without looking for line feeds, for texts that are known to hold none.
// Inline, as it runs for every field of every song written.
inline char* CopyRecordText(char* at, std::string_view text)
{
    std::memcpy(at, text.data(), text.size());
    return at + text.size();
}

constexpr std::size_t RecordLineSize(std::string_view text) { return text.size() + Platform::LineEnd.size(); }

// Appends one line of a file that other programs read (M3U): they may break a line at
// a carriage return as well, so both are written as blanks.
void AppendPlayerLine(std::string& output, std::string_view text);

} // namespace VT
