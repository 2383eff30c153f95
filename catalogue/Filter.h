#pragma once

#include "catalogue/PlayList.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace VT {

// Selects songs of one list by criteria. Matching folds only A to Z to small letters.
class Filter {
public:
    // The song field numbers, under the names the search and Auto List know them by.
    using Field = SongField;
    static constexpr Field Title = TitleField;
    static constexpr Field Artist = ArtistField;
    static constexpr Field Album = AlbumField;
    static constexpr Field Date = YearField;
    static constexpr Field Genre = GenreField;
    static constexpr Field FileName = FileNameField;
    enum Operator : std::uint8_t { Contains = 0, DoesNotContain = 1, Is = 2, IsNot = 3, StartsWith = 4, EndsWith = 5 };

    class Criteria {
    public:
        // Numbers that name no field or operator are kept; such a criterion never matches.
        Criteria(std::uint8_t field, std::uint8_t op, std::string text);

        bool Match(const Song& song) const;

        std::uint8_t GetField() const { return field_; }
        std::uint8_t GetOperator() const { return operator_; }
        const std::string& GetText() const { return text_; }

    private:
        std::uint8_t field_ = Title;
        std::uint8_t operator_ = Contains;
        std::string text_;
        // Folded once here so that matching folds only the song's bytes, in place.
        std::string foldedText_;
    };

    Filter() = default;
    explicit Filter(std::vector<Criteria> criteria) : criteria_(std::move(criteria)) {}
    Filter& operator=(std::vector<Criteria> criteria)
    {
        criteria_ = std::move(criteria);
        return *this;
    }
    const std::vector<Criteria>& GetCriteria() const { return criteria_; }

    // The position in `input` of every song that all criteria (or, when `all` is false,
    // at least one) select, in list order; a criterion with an empty text always counts.
    // A filter without criteria selects nothing. Copies no song, so that a view can show
    // the selected songs where they stand.
    std::vector<std::size_t> Select(const PlayList& input, bool all) const;
    // Appends to `output` a copy of every song Select picks.
    void Apply(const PlayList& input, PlayList& output, bool all) const;

private:
    std::vector<Criteria> criteria_;
};

} // namespace VT
