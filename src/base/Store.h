#pragma once
// A store of the project: a fixed number of entries numbered 1..N, kept on the heap because
// expression records are large and projects are copied whole (undo, reading into a copy).

#include <cstddef>
#include <vector>

namespace tarlix {

template <typename T, int N> class Store {
public:
    Store() : items(N) {}
    explicit Store(const T& initial) : items(N, initial) {}
    static constexpr int size() { return N; }
    static constexpr bool contains(int i) { return i >= 1 && i <= N; }
    T& operator[](int i) { return items[static_cast<std::size_t>(i - 1)]; }
    const T& operator[](int i) const { return items[static_cast<std::size_t>(i - 1)]; }
    auto begin() { return items.begin(); }
    auto end() { return items.end(); }
    auto begin() const { return items.begin(); }
    auto end() const { return items.end(); }

private:
    std::vector<T> items;
};

} // namespace tarlix
