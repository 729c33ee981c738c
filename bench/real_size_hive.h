// A SYSTEM hive of the size a Windows installation's has, for timing kelvcfg on it: the control
// set's Services key holds 1,400 services, kernel and file system drivers beside Win32 services,
// each with the values the service manager keeps (Type, Start, ErrorControl, ImagePath, Group,
// DisplayName and more), its Security and Enum subkeys, and Parameters four keys deep with binary
// and multi-string values of several kilobytes, every sixteenth service's of tens of kilobytes.
// Some display drivers of group "Video" have their Device0 key. The hive is made with libhivex
// and is the same on every run.
#pragma once

#include <cstdint>
#include <string>

namespace kelvd::bench {

struct HiveSize {
    uintmax_t bytes;
    uint32_t services;
};

// Writes the hive to path, ControlSet001 both the Default and the Current set; throws
// std::runtime_error when it cannot.
HiveSize WriteRealSizeHive(const std::string& path);

} // namespace kelvd::bench
