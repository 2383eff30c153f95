#pragma once

#include <string>
#include <vector>

// The name under which a new play list, or a play list given a new name, is stored, when
// the play lists are named `names`. The base of the request is the request itself, or,
// when it ends in a digit, the request cut before its last blank. When no name begins with
// the base the request stands as it is; otherwise the base, a blank and the number one
// above the highest that follows the base in those names (a name without a digit there
// counting as 0, and 0 giving 2). The result is never one of `names`.
std::string UniqueListName(const std::string& requested, const std::vector<std::string>& names);
