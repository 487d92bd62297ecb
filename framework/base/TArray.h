#pragma once

// A growable array of items of one type, in the order they were added.

#include <cstddef>
#include <vector>

template <typename T> class TArray {
public:
    using value_type = T;

    std::size_t count() const { return mItems.size(); }
    bool empty() const { return mItems.empty(); }

    void addItem(const T& item) { mItems.push_back(item); }
    void addItem(T&& item) { mItems.push_back(std::move(item)); }
    void removeAll() { mItems.clear(); }

    const T& operator[](std::size_t index) const { return mItems[index]; }
    T& operator[](std::size_t index) { return mItems[index]; }

    auto begin() { return mItems.begin(); }
    auto end() { return mItems.end(); }
    auto begin() const { return mItems.begin(); }
    auto end() const { return mItems.end(); }

private:
    std::vector<T> mItems;
};
