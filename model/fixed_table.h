// A process-wide table: a fixed array with a used-row count. Rows below the count are valid;
// rows beyond it keep what they held and are never read. Writers append at the count and are
// refused at the capacity, so no writer can pass it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace kelvd {

template <typename Row, size_t Capacity> class FixedTable {
public:
    static constexpr size_t kCapacity = Capacity;

    uint32_t Count() const { return count_; }
    bool IsFull() const { return count_ == Capacity; }

    // Appends a copy of row at the count; false, with nothing changed, at the capacity.
    bool Append(const Row& row) {
        if (IsFull())
            return false;
        rows_[count_++] = row;
        return true;
    }
    // The row at the count, made valid, for a writer that fills it in place; null when full.
    Row* AppendSlot() { return IsFull() ? nullptr : &rows_[count_++]; }
    // Forgets every row; their texts stay in the slots.
    void Clear() { count_ = 0; }

    Row& operator[](size_t index) { return rows_[index]; }
    const Row& operator[](size_t index) const { return rows_[index]; }

    Row* begin() { return rows_.data(); }
    Row* end() { return rows_.data() + count_; }
    const Row* begin() const { return rows_.data(); }
    const Row* end() const { return rows_.data() + count_; }

private:
    std::array<Row, Capacity> rows_{};
    uint32_t count_ = 0;
};

} // namespace kelvd
