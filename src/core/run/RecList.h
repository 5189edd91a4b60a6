#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tavrin {

// The record list that carries questions through a run: each entry owns a
// copy of its bytes and keeps the size it was added with.
class TRecList {
public:
    void Add(std::span<const std::uint8_t> record);
    int Count() const { return static_cast<int>(entries_.size()); }

    // Copies min(entry size, buffer size) bytes; an index outside the list
    // throws std::out_of_range.
    void Put(int index, std::span<const std::uint8_t> buffer);

    std::span<const std::uint8_t> At(int index) const;

private:
    const std::vector<std::uint8_t>& entry(int index) const;
    std::vector<std::vector<std::uint8_t>> entries_;
};

} // namespace tavrin
