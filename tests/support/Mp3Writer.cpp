#include "tests/support/Mp3Writer.h"

namespace TestSupport {

namespace {

void PutField(std::string& bytes, std::size_t offset, std::size_t width, std::string_view text)
{
    bytes.replace(offset, std::min(width, text.size()), text.substr(0, width));
}

} // namespace

std::string TagBytes(const Id3v1& tag)
{
    std::string bytes(128, '\0');
    PutField(bytes, 0, 3, "TAG");
    PutField(bytes, 3, 30, tag.title);
    PutField(bytes, 33, 30, tag.artist);
    PutField(bytes, 63, 30, tag.album);
    PutField(bytes, 93, 4, tag.year);
    PutField(bytes, 97, 30, tag.comment);
    bytes[127] = static_cast<char>(tag.genre);
    return bytes;
}

std::string Mp3Bytes(const Id3v1& tag, std::size_t audioBytes)
{
    return std::string(audioBytes, '\xFF') + TagBytes(tag);
}

std::string UntaggedMp3Bytes(std::size_t audioBytes) { return std::string(audioBytes + 128, '\xFF'); }

} // namespace TestSupport
