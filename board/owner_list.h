#pragma once

#include <algorithm>
#include <cstdint>
#include <type_traits>
#include <utility>

#include "engine/engine_api.h"

// The header words of an owner list; for figures it is the engine's own
// record, so the board's figure list can be handed over in place.
template <class T> struct sOwnerListHeader {
    int32_t count;
    int32_t reserved;
    T** figures;
};

template <class T>
using OwnerListHeader =
    std::conditional_t<std::is_same_v<T, CFigure>, sFigureList, sOwnerListHeader<T>>;

// A growable array of owned pointers, kept in order. Removing an entry deletes
// it and closes the gap; an index out of range reads a null spare entry.
template <class T> class COwnerList {
public:
    COwnerList() = default;
    COwnerList(const COwnerList&) = delete;
    COwnerList& operator=(const COwnerList&) = delete;
    ~COwnerList() {
        Clear();
        delete[] head_.figures;
    }

    int Count() const { return head_.count; }
    bool Empty() const { return head_.count == 0; }
    T* operator[](int i) const { return i >= 0 && i < head_.count ? head_.figures[i] : nullptr; }
    T* const* begin() const { return head_.figures; }
    T* const* end() const { return head_.figures + head_.count; }

    // Takes ownership of `item` and returns it.
    T* Append(T* item) { return InsertAt(head_.count, item); }

    // Takes ownership of `item`, puts it at index `i` (clamped into the list)
    // and returns it.
    T* InsertAt(int i, T* item) {
        if (head_.count == head_.reserved) Grow();
        i = std::clamp(i, 0, head_.count);
        for (int k = head_.count; k > i; --k) head_.figures[k] = head_.figures[k - 1];
        head_.figures[i] = item;
        ++head_.count;
        return item;
    }

    // Takes entry `i` out of the list and hands it to the caller; null when
    // there is no such entry.
    T* Release(int i) {
        if (i < 0 || i >= head_.count) return nullptr;
        T* item = head_.figures[i];
        for (int k = i + 1; k < head_.count; ++k) head_.figures[k - 1] = head_.figures[k];
        --head_.count;
        return item;
    }

    void RemoveAt(int i) { delete Release(i); }

    // Deletes the entries from index `first` to the end.
    void RemoveFrom(int first) {
        if (first < 0) first = 0;
        while (head_.count > first) delete head_.figures[--head_.count];
    }

    void Clear() { RemoveFrom(0); }

    int IndexOf(const T* item) const {
        for (int i = 0; i < head_.count; ++i)
            if (head_.figures[i] == item) return i;
        return -1;
    }

    void Swap(COwnerList& other) noexcept { std::swap(head_, other.head_); }

    // The record the engine reads and writes in place.
    sFigureList* View() requires std::is_same_v<T, CFigure> { return &head_; }

private:
    void Grow() {
        const int32_t capacity = head_.reserved ? head_.reserved * 2 : 16;
        T** items = new T*[capacity];
        for (int i = 0; i < head_.count; ++i) items[i] = head_.figures[i];
        delete[] head_.figures;
        head_.figures = items;
        head_.reserved = capacity;
    }

    OwnerListHeader<T> head_{0, 0, nullptr};
};

using CFigureList = COwnerList<CFigure>;

static_assert(std::is_standard_layout_v<CFigureList>);
static_assert(sizeof(CFigureList) == sizeof(sFigureList));
