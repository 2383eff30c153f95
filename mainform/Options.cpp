#include "mainform/Unit1.h"

#include "platform/WholeFile.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace {

const char* const OptionsFile = "options.opt";
constexpr int ColumnCount = 8;

// Reads signed decimal integers as a text stream does: white space skipped, an optional
// sign, digits. Once a value cannot be read no later one is, and the caller keeps what
// it had in their place.
class IntegerReader {
public:
    explicit IntegerReader(std::string_view text) : text_(text) {}

    std::optional<std::int32_t> Next()
    {
        if (failed_)
            return std::nullopt;
        SkipSpace();
        const bool negative = Take('-');
        if (!negative)
            Take('+');
        std::int64_t value = 0;
        std::size_t digits = 0;
        for (; at_ < text_.size() && IsDigit(text_[at_]); ++at_, ++digits) {
            if (value <= std::numeric_limits<std::int32_t>::max())
                value = value * 10 + (text_[at_] - '0');
        }
        if (negative)
            value = -value;
        if (digits == 0 || value < std::numeric_limits<std::int32_t>::min()
            || value > std::numeric_limits<std::int32_t>::max()) {
            failed_ = true;
            return std::nullopt;
        }
        return static_cast<std::int32_t>(value);
    }

    // The last read ran into the end of the text.
    bool ReachedEnd() const { return at_ == text_.size(); }

private:
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

    void SkipSpace()
    {
        while (at_ < text_.size() && IsSpace(text_[at_]))
            ++at_;
    }

    bool Take(char c)
    {
        if (at_ == text_.size() || text_[at_] != c)
            return false;
        ++at_;
        return true;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

// The states and the kind are 8-bit: written sign-extended, read by their low 8 bits.
int Written(std::uint8_t state)
{
    return static_cast<std::int8_t>(state);
}

void ReadState(IntegerReader& reader, std::uint8_t& state)
{
    if (const auto value = reader.Next())
        state = static_cast<std::uint8_t>(*value);
}

} // namespace

void TAppForm::SaveOptions()
{
    if (ViewVars.ProgramFolder.empty())
        return;
    const std::uint8_t kind = Model.GetMode();
    const std::int32_t row = kind == VT::Manager::NothingShown ? PlaylistListBox->ItemIndex() : ShownRow();
    std::string content;
    for (const int value : {Written(PrevToolBoxState), Written(ToolBoxState), Written(kind), row})
        content += std::to_string(value) + "\r\n";
    for (int column = 0; column < ColumnCount; ++column)
        content += std::to_string(mp3ListView->Columns()[column].Width()) + "\r\n";
    Platform::ReplaceFile(ViewVars.ProgramFolder + OptionsFile, content);
}

void TAppForm::LoadOptions()
{
    const std::optional<std::string> content = Platform::ReadWholeFile(ViewVars.ProgramFolder + OptionsFile);
    if (!content) {
        HelpRunning = true;
        return;
    }
    IntegerReader reader(*content);
    ReadState(reader, PrevToolBoxState);
    if (reader.ReachedEnd())
        return;
    ReadState(reader, ToolBoxState);
    const std::optional<std::int32_t> kind = reader.Next();
    const std::optional<std::int32_t> row = reader.Next();
    for (int column = 0; column < ColumnCount; ++column) {
        if (const auto width = reader.Next())
            mp3ListView->Columns()[column].SetWidth(*width);
    }
    // An unread kind or row leaves shown what is shown.
    const int shownKind = kind ? static_cast<std::uint8_t>(*kind) : -1;
    if (shownKind == VT::Manager::NothingShown)
        ShowNoSelection();
    else if (row && *row != -1 && shownKind == VT::Manager::SourceShown)
        SelectSource(*row);
    else if (row && *row != -1 && shownKind == VT::Manager::PlayListShown)
        SelectPlayList(*row);
    RefreshSongView();
    HelpRunning = true;
}
