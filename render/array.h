#pragma once

#include <cstdint>
#include <vector>

// A growable array that never fails on a bad index: reading or writing
// outside it goes to a spare element, which reads as T{} each time it is
// handed out. The elements are contiguous (they go to OpenGL as arrays).
template <typename T> class Array {
public:
    Array() = default;
    explicit Array(std::int64_t size) { SetSize(size); }

    std::int64_t Size() const { return std::int64_t(items_.size()); }
    bool Empty() const { return items_.empty(); }

    // Grows with T{} or shrinks; a negative size empties the array.
    void SetSize(std::int64_t size) { items_.resize(size > 0 ? std::size_t(size) : 0); }
    std::int64_t Add(const T& value) {
        items_.push_back(value);
        return Size() - 1;
    }
    void RemoveAt(std::int64_t i) {
        if (Contains(i)) items_.erase(items_.begin() + i);
    }
    void RemoveAll() { items_.clear(); }

    bool Contains(std::int64_t i) const { return i >= 0 && i < Size(); }

    T& operator[](std::int64_t i) {
        if (Contains(i)) return items_[std::size_t(i)];
        spare_ = T{};
        return spare_;
    }
    const T& operator[](std::int64_t i) const {
        if (Contains(i)) return items_[std::size_t(i)];
        spare_ = T{};
        return spare_;
    }

    T* Data() { return items_.data(); }
    const T* Data() const { return items_.data(); }
    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    std::vector<T> items_;
    mutable T spare_{};
};
