#pragma once

#include <memory>
#include <utility>

namespace tavrin {

// An immutable value that every copy shares: a million paragraphs in one
// format hold that format once. Compares by value; a new value is made by
// assigning one.
template <typename T> class Shared {
public:
    Shared() : value_(defaultValue()) {}
    Shared(T value) : value_(std::make_shared<const T>(std::move(value))) {} // NOLINT: implicit

    const T& operator*() const { return *value_; }
    const T* operator->() const { return value_.get(); }

    // True when both hold the very same stored value, not only an equal one.
    bool sameAs(const Shared& other) const { return value_ == other.value_; }

    bool operator==(const Shared& other) const { return sameAs(other) || *value_ == *other.value_; }
    bool operator==(const T& other) const { return *value_ == other; }

private:
    static const std::shared_ptr<const T>& defaultValue() {
        static const std::shared_ptr<const T> value = std::make_shared<const T>();
        return value;
    }

    std::shared_ptr<const T> value_;
};

} // namespace tavrin
