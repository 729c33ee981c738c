// An offline Windows SYSTEM hive file, as found at Windows\System32\config\SYSTEM of a disk image,
// opened with libhivex. Changes are made in memory; Commit writes the whole hive to a temporary
// file beside the old one and moves it over it, so the file is either as it was or complete.
#pragma once

#include <hivex.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace kelvcfg {

// What hivex allocates, freed when it goes.
struct HivexFree {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using HivexPtr = std::unique_ptr<T, HivexFree>;

// A value's type and data as hivex reports them. hivex passes on whatever type number the file
// holds, which need not be one its enumeration names, so the type is taken as a plain number.
// The data is null when the value cannot be read.
HivexPtr<char> HiveValueData(hive_h* handle, hive_value_h value, uint32_t* type, size_t* length);

class Hive {
public:
    enum class Mode {
        Read,      // no changes
        Change,    // changes, to be committed; a read-only file is refused at once
        TryChange, // changes that are only looked at, never committed
    };

    // Opens the hive and finds its current control set. Throws a CommandError: kUnreadable when
    // the file cannot be read, is no hive or has no current control set; kUnwritable when
    // Change is asked of a file that cannot be replaced.
    static std::unique_ptr<Hive> Open(const std::string& path, Mode mode);
    ~Hive();
    Hive(const Hive&) = delete;
    Hive& operator=(const Hive&) = delete;

    hive_h* handle() const { return handle_; }
    hive_node_h root() const { return hivex_root(handle_); }
    const std::string& path() const { return path_; }
    // The control set that "CurrentControlSet" stands for, by the hive's Select\Current:
    // "ControlSet001" and so on.
    const std::string& currentControlSet() const { return currentControlSet_; }

    // Writes the changed hive over its file; throws a CommandError (kUnwritable) when it cannot,
    // with the file as it was.
    void Commit();

private:
    Hive(hive_h* handle, std::string path) : handle_(handle), path_(std::move(path)) {}

    hive_h* handle_;
    std::string path_;
    std::string currentControlSet_;
};

} // namespace kelvcfg
