// The state list: how a driver table is stored in one binary value. Per row the path, a 0 byte
// and the low byte of the row's checkState; after the last row one more 0 byte.
#pragma once

#include "model/config_model.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvd {

// One (name, state) pair of a stored list; name points into the stored bytes.
struct StateEntry {
    const char* name;
    uint8_t state;
};

// The encoding of count rows. Every row is encoded, however long the list grows: the list is
// built in a buffer that grows with it rather than in a fixed one of 4096 bytes, and the
// readers take lists of any length.
std::string EncodeStateList(const DriverEntry* rows, size_t count);
template <size_t Capacity> std::string EncodeStateList(const DriverTable<Capacity>& table) {
    return EncodeStateList(table.begin(), table.Count());
}

// The entries of a stored list: each is the text up to the next 0 byte and the state byte after
// it; the walk stops where the next entry would start with a 0 byte or the data ends. An entry
// cut short by the end of the data (no 0 byte after its text, or no state byte) is dropped,
// since nothing is read past the data.
std::vector<StateEntry> DecodeStateList(const uint8_t* data, size_t size);

} // namespace kelvd
