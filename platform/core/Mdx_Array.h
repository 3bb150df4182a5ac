#pragma once

// The core library's array: a value type indexed from 0. Indices out of range never touch
// memory: insertAt, removeAt and swap report false and change nothing; element access with a
// bad index stops the program with a message naming the index, instead of reading or
// writing foreign memory.

#include <utility>
#include <vector>

[[noreturn]] void mdxArrayIndexFault(int index, int length);

template <typename T>
class Mdx_Array {
public:
    using iterator = typename std::vector<T>::iterator;
    using const_iterator = typename std::vector<T>::const_iterator;

    Mdx_Array() = default;
    Mdx_Array(std::initializer_list<T> items) : m_items(items) {}
    explicit Mdx_Array(std::vector<T> items) : m_items(std::move(items)) {}

    int length() const { return static_cast<int>(m_items.size()); }
    bool isEmpty() const { return m_items.empty(); }
    bool isValidIndex(int index) const { return index >= 0 && index < length(); }

    T& at(int index) {
        if (!isValidIndex(index)) mdxArrayIndexFault(index, length());
        return m_items[static_cast<std::size_t>(index)];
    }
    const T& at(int index) const {
        if (!isValidIndex(index)) mdxArrayIndexFault(index, length());
        return m_items[static_cast<std::size_t>(index)];
    }
    T& operator[](int index) { return at(index); }
    const T& operator[](int index) const { return at(index); }
    T& first() { return at(0); }
    T& last() { return at(length() - 1); }
    const T& first() const { return at(0); }
    const T& last() const { return at(length() - 1); }

    // Returns the index of the new element.
    int append(const T& item) {
        m_items.push_back(item);
        return length() - 1;
    }
    int append(T&& item) {
        m_items.push_back(std::move(item));
        return length() - 1;
    }
    void appendAll(const Mdx_Array& other) {
        m_items.insert(m_items.end(), other.m_items.begin(), other.m_items.end());
    }
    // index == length() appends.
    bool insertAt(int index, const T& item) {
        if (index < 0 || index > length()) return false;
        m_items.insert(m_items.begin() + index, item);
        return true;
    }
    bool removeAt(int index) {
        if (!isValidIndex(index)) return false;
        m_items.erase(m_items.begin() + index);
        return true;
    }
    bool swap(int a, int b) {
        if (!isValidIndex(a) || !isValidIndex(b)) return false;
        std::swap(m_items[static_cast<std::size_t>(a)], m_items[static_cast<std::size_t>(b)]);
        return true;
    }
    // Grows with default values or cuts the tail; a negative length empties the array.
    void setLength(int n) { m_items.resize(n < 0 ? 0 : static_cast<std::size_t>(n)); }
    void setEmpty() { m_items.clear(); }
    void reserve(int n) {
        if (n > 0) m_items.reserve(static_cast<std::size_t>(n));
    }

    // Index of the first element equal to item (operator==), -1 when there is none.
    int find(const T& item) const {
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i] == item) return static_cast<int>(i);
        return -1;
    }
    bool contains(const T& item) const { return find(item) >= 0; }

    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }
    const std::vector<T>& items() const { return m_items; }
    std::vector<T>& items() { return m_items; }

    friend bool operator==(const Mdx_Array& a, const Mdx_Array& b) {
        return a.m_items == b.m_items;
    }

private:
    std::vector<T> m_items;
};
