#pragma once

#include "catalogue/Song.h"

#include <cstdint>
#include <vector>

namespace VT {

// The positions of `songs` in ascending order of the numbered field's bytes, compared
// unsigned; songs of equal texts keep their order. `field` must name a field.
std::vector<std::uint32_t> AscendingOrder(const std::vector<Song>& songs, std::uint8_t field);

// Puts the song that stood at order[i] at i, for every i, copying each song once.
// `order` holds each position of `songs` once.
void ApplyOrder(std::vector<Song>& songs, const std::vector<std::uint32_t>& order);

} // namespace VT
