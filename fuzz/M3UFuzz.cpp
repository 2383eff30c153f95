#include "fuzz/FuzzSupport.h"

// An M3U file of any bytes, beside a few MP3 files its lines may name: every song line is
// counted, at most that many songs are imported, and a new play list only when one was.
namespace {

// Every line that is neither empty nor a comment. A carriage return before a line feed
// belongs to the line end, so "\r" alone is a song line only as a last line without one.
int SongLines(std::string_view text)
{
    int count = 0;
    for (std::size_t start = 0, end = 0; start < text.size(); start = end + 1) {
        end = std::min(text.find('\n', start), text.size());
        const std::string_view line = text.substr(start, end - start);
        count += !line.empty() && line.front() != '#' && !(line == "\r" && end < text.size());
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Written once: tagged files in either extension, one without a tag, one too short for one.
    static const TestSupport::TempFolder& folder = Fuzz::Scratch();
    static const std::string songFiles[] = {folder.Write("a.mp3", SongSamples::Tagged("A")),
                                            folder.Write("b.MP3", SongSamples::Tagged("B")),
                                            folder.Write("untagged.mp3", TestSupport::UntaggedMp3Bytes(16)),
                                            folder.Write("short.mp3", "TAG")};
    const std::string path = folder.Write("input.m3u", Fuzz::Bytes(data, size));
    // A bare file name that names no file here may still name a song of a source.
    VT::SourceManager sources;
    sources.Add(SongSamples::ListOf("Elsewhere", {SongSamples::Titled("Far", "far.mp3", "/elsewhere")}));
    VT::PlayListManager lists;
    VT::MP3Song reading;
    int lineCount = -1;
    std::size_t imported = 0;
    Fuzz::Succeeds<VT::import_error>(
        [&] { imported = lists.ImportM3U(path, folder.Path(), reading, sources, lineCount)->songs.size(); });
    Fuzz::Require(lineCount == SongLines(Fuzz::Bytes(data, size)));
    Fuzz::Require(imported <= static_cast<std::size_t>(lineCount) && lists.Size() == (imported > 0 ? 1u : 0u));
    return 0;
}
