#pragma once

#include <cstdint>
#include <vector>

namespace util {

// A recent-question memory of the program: a flag per question number (1 =
// asked recently, so not to be asked now) and a first-in-first-out list of
// the latest accepted numbers, oldest in slot 1. Slot 0 of both tables
// belongs to no question; the list's initial zeros point at it, so the first
// acceptances free nothing. It lives for the whole run, across visits.
class RecentMemory {
public:
    // flagCount: highest question number; listCapacity: highest list slot;
    // window: how many of the latest acceptances stay blocked (1..listCapacity).
    RecentMemory(int flagCount, int listCapacity, int window);

    bool inUse(int number) const;
    // Accepts a question and keeps it blocked for the next window - 1
    // acceptances: the number in slot 1 is freed, the list shifts down by
    // one and the new number goes into slot `window`.
    void accept(int number);

    int flagCount() const { return static_cast<int>(flags_.size()) - 1; }
    int listCapacity() const { return static_cast<int>(list_.size()) - 1; }
    int window() const { return window_; }
    // Slot i of the list (0 when empty).
    int slot(int i) const { return list_.at(static_cast<std::size_t>(i)); }

private:
    std::vector<std::int16_t> flags_;
    std::vector<std::int16_t> list_;
    int window_;
};

} // namespace util
