#pragma once

#include <functional>
#include <string>
#include <vector>

// A list of texts. A control's items derive from it to show every change at once.
class TStrings {
public:
    TStrings() = default;
    TStrings(const TStrings&) = delete;
    TStrings& operator=(const TStrings&) = delete;
    virtual ~TStrings() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    // Throws std::out_of_range for an index outside the list, as every indexed call does.
    const std::string& operator[](int index) const;
    int IndexOf(const std::string& text) const;

    // Appends and returns the new index.
    int Add(std::string text);
    // Index Count() appends.
    void Insert(int index, std::string text);
    void Set(int index, std::string text);
    void Delete(int index);
    void Clear();

    enum class EditKind { Insert, Set, Delete, Clear };

protected:
    // Wraps every change, so that a control can tell its widget before and after;
    // `apply` makes the change. `index` is the row concerned (unused for Clear).
    virtual void Edit(EditKind kind, int index, const std::function<void()>& apply);

private:
    void Check(int index, int end) const;

    std::vector<std::string> items_;
};
