#include "catalogue/Exceptions.h"
#include "catalogue/Extension.h"
#include "catalogue/MP3Song.h"
#include "catalogue/PlayListManager.h"
#include "catalogue/SongsByFileName.h"
#include "platform/Separator.h"
#include "platform/TextLines.h"
#include "platform/WholeFile.h"

#include <string_view>

namespace VT {

namespace {

bool IsSongLine(std::string_view line) { return !line.empty() && line.front() != '#'; }

std::string FileOfLine(const std::string& line, const std::string& folder)
{
    return line.front() == Platform::Separator ? line : folder + line;
}

// Fills `reading` with the song a line names; false when the line resolves to nothing.
bool ResolveLine(const std::string& line, const std::string& folder, MP3Song& reading, SongsByFileName& sourceSongs)
{
    try {
        reading.ReadTag(FileOfLine(line, folder));
        return true;
    } catch (const bad_tag&) {
        return false;
    } catch (const no_tag&) {
        return reading.TitleFromFileName();
    } catch (const invalid_file&) {
        // A bare file name written elsewhere may still name a song the sources know.
        const Song* found = sourceSongs.Find(line);
        if (!found)
            return false;
        static_cast<Song&>(reading) = *found;
        return true;
    }
}

} // namespace

ListPtr PlayListManager::ImportM3U(const std::string& path, const std::string& folder, MP3Song& reading,
                                   SourceManager& sources, int& lineCount)
{
    std::string above;
    std::string fileName;
    SplitPath(path, above, fileName);
    if (!HasExtension(fileName, ".m3u"))
        throw invalid_file();
    const std::optional<std::string> content = Platform::ReadWholeFile(path);
    if (!content)
        throw invalid_file();

    PlayList imported;
    imported.SetName(fileName.substr(0, fileName.size() - ExtensionLength));
    lineCount = 0;
    SongsByFileName sourceSongs(sources);
    // A last line without a line break is a song line like any other.
    Platform::LineReader lines(*content);
    while (const auto line = lines.Next()) {
        if (!IsSongLine(line->text))
            continue;
        ++lineCount;
        reading.Clear();
        if (ResolveLine(std::string(line->text), folder, reading, sourceSongs))
            imported.songs.push_back(reading);
    }
    if (imported.songs.empty())
        throw import_error();
    return Add(std::move(imported));
}

} // namespace VT
