#include "catalogue/RecordLine.h"

#include "platform/TextLines.h"

namespace VT {

void AppendRecordLine(std::string& output, std::string_view text)
{
    if (text.find_first_of("\r\n") == std::string_view::npos) {
        Platform::AppendLine(output, text);
        return;
    }
    const std::size_t start = output.size();
    output.append(text);
    for (std::size_t i = start; i < output.size(); ++i) {
        if (output[i] == '\r' || output[i] == '\n')
            output[i] = ' ';
    }
    output.append(Platform::LineEnd);
}

} // namespace VT
