#include "core/run/RecList.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tavrin {

void TRecList::Add(std::span<const std::uint8_t> record) {
    entries_.emplace_back(record.begin(), record.end());
}

const std::vector<std::uint8_t>& TRecList::entry(int index) const {
    if (index < 0 || index >= Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(index) + ")");
    return entries_[static_cast<std::size_t>(index)];
}

void TRecList::Put(int index, std::span<const std::uint8_t> buffer) {
    entry(index); // bounds check
    auto& target = entries_[static_cast<std::size_t>(index)];
    std::copy_n(buffer.begin(), std::min(target.size(), buffer.size()), target.begin());
}

std::span<const std::uint8_t> TRecList::At(int index) const {
    return entry(index);
}

} // namespace tavrin
