#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace TestSupport {

// The texts of an ID3v1 tag, written as a test wants them.
struct Id3v1 {
    std::string title;
    std::string artist;
    std::string album;
    std::string year;
    std::string comment;
    std::uint8_t genre = 255;
};

// The 128 bytes of a tag: "TAG" and each field NUL-padded to its width.
std::string TagBytes(const Id3v1& tag);

// The bytes of an MP3 file: `audioBytes` bytes of stand-in audio followed by the tag.
std::string Mp3Bytes(const Id3v1& tag, std::size_t audioBytes = 1000);

// The bytes of an MP3 file without a tag (no "TAG" mark in its last 128 bytes).
std::string UntaggedMp3Bytes(std::size_t audioBytes = 1000);

} // namespace TestSupport
