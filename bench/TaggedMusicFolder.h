#pragma once

#include "tests/support/Mp3Writer.h"
#include "tests/support/TempFolder.h"

#include <cstdint>
#include <map>
#include <memory>
#include <string>

// The size of every file in the folder, its tag included.
inline constexpr std::size_t MusicFileBytes = 2048;

// One folder of `files` tagged MP3 files per size, written once and removed when the run
// ends.
inline const TestSupport::TempFolder& TaggedMusicFolder(std::int64_t files)
{
    static std::map<std::int64_t, std::unique_ptr<TestSupport::TempFolder>> folders;
    std::unique_ptr<TestSupport::TempFolder>& folder = folders[files];
    if (!folder) {
        folder = std::make_unique<TestSupport::TempFolder>();
        TestSupport::Id3v1 tag;
        tag.artist = "Band";
        tag.album = "Album";
        tag.year = "1999";
        tag.genre = 13;
        for (std::int64_t i = 0; i < files; ++i) {
            tag.title = "Song " + std::to_string(i);
            folder->Write("song " + std::to_string(i) + ".mp3", TestSupport::Mp3Bytes(tag, MusicFileBytes - 128));
        }
    }
    return *folder;
}
