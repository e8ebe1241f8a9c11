#include "RecentMemory.h"

#include <algorithm>
#include <stdexcept>

namespace util {

RecentMemory::RecentMemory(int flagCount, int listCapacity, int window)
    : flags_(static_cast<std::size_t>(flagCount) + 1, 0),
      list_(static_cast<std::size_t>(listCapacity) + 1, 0), window_(window) {
    if (window < 1 || window > listCapacity)
        throw std::invalid_argument("RecentMemory: window outside the list");
}

bool RecentMemory::inUse(int number) const {
    return number >= 1 && number <= flagCount() && flags_[static_cast<std::size_t>(number)] == 1;
}

void RecentMemory::accept(int number) {
    if (number < 1 || number > flagCount())
        throw std::out_of_range("RecentMemory::accept: number out of range");
    flags_[static_cast<std::size_t>(list_[1])] = 0;
    flags_[static_cast<std::size_t>(number)] = 1;
    std::copy(list_.begin() + 2, list_.begin() + window_ + 1, list_.begin() + 1);
    list_[static_cast<std::size_t>(window_)] = static_cast<std::int16_t>(number);
}

} // namespace util
