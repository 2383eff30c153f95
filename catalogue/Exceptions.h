#pragma once

#include <exception>

// The model reports every failure through one of these types. They carry no text:
// the window that catches one decides what, if anything, the user is told.
namespace VT {

struct bad_tag : std::exception {};         // a song record or an MP3 tail cannot be read or written
struct no_tag : std::exception {};          // an MP3 file has no ID3v1 tag
struct invalid_file : std::exception {};    // wrong extension, cannot be opened or written, empty list file
struct invalid_directory : std::exception {}; // a folder cannot be listed
struct not_found : std::exception {};       // no song has the searched value
struct import_error : std::exception {};    // an M3U import found none of its songs
struct bad_playlist : std::exception {};    // a list file's header is damaged
struct not_in_range : std::exception {};    // a song index outside the list
struct cancel_opendir : std::exception {};  // a folder scan was cancelled

} // namespace VT
