#pragma once
// The host's growable array: 0-based, with a logical length (the elements in use) and a
// physical length (the room allocated). When it runs out of room it grows by its growth
// length, and by at least half of what it already has, so that appending stays cheap on long
// arrays. Mutators given an index outside the array change nothing; element access outside
// the array stops the program with a message instead of touching foreign memory.
#include <initializer_list>
#include <utility>

namespace host {
[[noreturn]] void arrayIndexFault(int index, int length);
}

template <typename T>
class AcArray {
public:
    explicit AcArray(int physicalLength = 0, int growLength = 8)
        : growLength_(growLength < 1 ? 1 : growLength) {
        reserveExactly(physicalLength);
    }
    AcArray(std::initializer_list<T> values) {
        reserveExactly(static_cast<int>(values.size()));
        for (const T& value : values) data_[logical_++] = value;
    }
    AcArray(const AcArray& other) : growLength_(other.growLength_) {
        reserveExactly(other.logical_);
        copyFrom(other);
    }
    AcArray(AcArray&& other) noexcept { swapWith(other); }
    AcArray& operator=(const AcArray& other) {
        if (this != &other) {
            if (physical_ < other.logical_) reserveExactly(other.logical_);
            copyFrom(other);
            growLength_ = other.growLength_;
        }
        return *this;
    }
    AcArray& operator=(AcArray&& other) noexcept {
        AcArray moved(std::move(other));
        swapWith(moved);
        return *this;
    }
    ~AcArray() { delete[] data_; }

    int length() const { return logical_; }
    int logicalLength() const { return logical_; }
    int physicalLength() const { return physical_; }
    int growLength() const { return growLength_; }
    bool isEmpty() const { return logical_ == 0; }

    AcArray& setGrowLength(int growLength) {
        growLength_ = growLength < 1 ? 1 : growLength;
        return *this;
    }
    // New elements are value-initialised (0, false, null id); a negative length means 0.
    AcArray& setLogicalLength(int length) {
        if (length < 0) length = 0;
        if (length > physical_) growTo(length);
        for (int i = logical_; i < length; ++i) data_[i] = T();
        logical_ = length;
        return *this;
    }
    // Shrinking below the logical length drops the elements at the end.
    AcArray& setPhysicalLength(int length) {
        if (length < 0) length = 0;
        if (length != physical_) reserveExactly(length);
        return *this;
    }

    T& at(int index) { return data_[checked(index)]; }
    const T& at(int index) const { return data_[checked(index)]; }
    T& operator[](int index) { return data_[checked(index)]; }
    const T& operator[](int index) const { return data_[checked(index)]; }
    T& first() { return at(0); }
    const T& first() const { return at(0); }
    T& last() { return at(logical_ - 1); }
    const T& last() const { return at(logical_ - 1); }
    AcArray& setAt(int index, const T& value) {
        if (isIndex(index)) data_[index] = value;
        return *this;
    }
    AcArray& setAll(const T& value) {
        for (int i = 0; i < logical_; ++i) data_[i] = value;
        return *this;
    }

    // Returns the index of the new element.
    int append(const T& value) {
        T copy(value);  // the value may live in this array and move when it grows
        if (logical_ == physical_) growTo(logical_ + 1);
        data_[logical_] = std::move(copy);
        return logical_++;
    }
    AcArray& append(const AcArray& other) {
        AcArray copy(other);  // appending an array to itself must not read what it writes
        if (logical_ + copy.logical_ > physical_) growTo(logical_ + copy.logical_);
        for (int i = 0; i < copy.logical_; ++i) data_[logical_ + i] = std::move(copy.data_[i]);
        logical_ += copy.logical_;
        return *this;
    }
    // index may be the length (same as append); beyond that nothing changes.
    AcArray& insertAt(int index, const T& value) {
        if (index < 0 || index > logical_) return *this;
        T copy(value);
        if (logical_ == physical_) growTo(logical_ + 1);
        for (int i = logical_; i > index; --i) data_[i] = std::move(data_[i - 1]);
        data_[index] = std::move(copy);
        ++logical_;
        return *this;
    }
    AcArray& removeAt(int index) {
        if (!isIndex(index)) return *this;
        closeGapAt(index);
        return *this;
    }
    AcArray& removeFirst() { return removeAt(0); }
    AcArray& removeLast() { return removeAt(logical_ - 1); }
    // Keeps the room, like the host does, so a refilled array does not allocate again.
    AcArray& removeAll() { return setLogicalLength(0); }
    // Removes the first element equal to value at or after start; false when there is none.
    bool remove(const T& value, int start = 0) {
        int index = -1;
        if (!find(value, index, start)) return false;
        removeAt(index);
        return true;
    }

    bool find(const T& value, int& foundAt, int start = 0) const {
        for (int i = start < 0 ? 0 : start; i < logical_; ++i) {
            if (data_[i] == value) {
                foundAt = i;
                return true;
            }
        }
        return false;
    }
    // The index of the first element equal to value, or -1.
    int find(const T& value) const {
        int index = -1;
        return find(value, index) ? index : -1;
    }
    bool contains(const T& value, int start = 0) const {
        int index = -1;
        return find(value, index, start);
    }

    AcArray& reverse() {
        for (int i = 0, j = logical_ - 1; i < j; ++i, --j) std::swap(data_[i], data_[j]);
        return *this;
    }
    AcArray& swap(int i, int j) {
        if (isIndex(i) && isIndex(j)) std::swap(data_[i], data_[j]);
        return *this;
    }

    T* asArrayPtr() { return data_; }
    const T* asArrayPtr() const { return data_; }
    T* begin() { return data_; }
    T* end() { return data_ + logical_; }
    const T* begin() const { return data_; }
    const T* end() const { return data_ + logical_; }

    // Equal elements in equal order; room and growth length do not count.
    bool operator==(const AcArray& other) const {
        if (logical_ != other.logical_) return false;
        for (int i = 0; i < logical_; ++i) {
            if (!(data_[i] == other.data_[i])) return false;
        }
        return true;
    }

private:
    bool isIndex(int index) const { return index >= 0 && index < logical_; }
    int checked(int index) const {
        if (!isIndex(index)) host::arrayIndexFault(index, logical_);
        return index;
    }
    // Kept out of line: inlined into callers with known lengths, g++ 12 warns about array
    // bounds on paths that the index check above rules out.
    [[gnu::noinline]] void closeGapAt(int index) {
        --logical_;
        for (int i = index; i < logical_; ++i) data_[i] = std::move(data_[i + 1]);
        data_[logical_] = T();
    }
    void growTo(int needed) {
        int step = growLength_ > physical_ / 2 ? growLength_ : physical_ / 2;
        int room = physical_ + step;
        reserveExactly(room < needed ? needed : room);
    }
    void reserveExactly(int physical) {
        if (physical < 0) physical = 0;
        T* fresh = physical > 0 ? new T[physical]() : nullptr;
        int kept = logical_ < physical ? logical_ : physical;
        for (int i = 0; i < kept; ++i) fresh[i] = std::move(data_[i]);
        delete[] data_;
        data_ = fresh;
        physical_ = physical;
        logical_ = kept;
    }
    void copyFrom(const AcArray& other) {
        for (int i = 0; i < other.logical_; ++i) data_[i] = other.data_[i];
        for (int i = other.logical_; i < logical_; ++i) data_[i] = T();
        logical_ = other.logical_;
    }
    void swapWith(AcArray& other) noexcept {
        std::swap(data_, other.data_);
        std::swap(logical_, other.logical_);
        std::swap(physical_, other.physical_);
        std::swap(growLength_, other.growLength_);
    }

    T* data_ = nullptr;
    int logical_ = 0;
    int physical_ = 0;
    int growLength_ = 8;
};
