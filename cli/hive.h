// An offline Windows SYSTEM hive file, as found at Windows\System32\config\SYSTEM of a disk image,
// opened with libhivex. Changes are made in memory; Commit writes the whole hive to a temporary
// file beside the old one and moves it over it, so the file is either as it was or complete.
#pragma once

#include "cli/request.h"
#include "cli/undo.h"

#include <hivex.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace kelvcfg {

// What hivex allocates, freed when it goes.
struct HivexFree {
    void operator()(void* p) const { std::free(p); }
};
template <typename T> using HivexPtr = std::unique_ptr<T, HivexFree>;

// What an error number set by libhivex, or left 0, says.
std::string HivexReason(int error);

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

    // Opens the hive and the control set it works on: ControlSetNNN of controlSet, or of the
    // hive's Select\Default (the set Windows starts with next) when controlSet is 0. Throws a
    // CommandError: kUnreadable when the file cannot be read or is no hive, or when that control
    // set or its Services key is missing; kUnwritable when Change is asked of a file that cannot
    // be replaced.
    static std::unique_ptr<Hive> Open(const std::string& path, Mode mode, uint32_t controlSet = 0);
    ~Hive();
    Hive(const Hive&) = delete;
    Hive& operator=(const Hive&) = delete;

    hive_h* handle() const { return handle_; }
    hive_node_h root() const { return hivex_root(handle_); }
    const std::string& path() const { return path_; }
    // The control set worked on: "ControlSet002" and so on.
    const std::string& controlSet() const { return controlSet_; }
    // The control set and, where it is not the one Windows both starts with next and runs now, the
    // sets named by Select\Default and Select\Current: "ControlSet002 (Default ControlSet002,
    // Current ControlSet001)".
    std::string ControlSetRoles() const;

    // A key made in the hive, which takes the commit's time.
    void Created(hive_node_h key) { created_.push_back(key); }
    // The cell of key's value list as the file holds the key's record, which is as libhivex read
    // it until libhivex changes the key; 0 when the file cannot be read there.
    hive_node_h FileValueList(hive_node_h key) const;

    // Writes the changed hive over its file, the one its path names through any symbolic links,
    // keeping that file's owner, group and mode, and enters in undo, when given, how to put the
    // old bytes back; throws a CommandError (kUnwritable) when it cannot, with the file as it was.
    void Commit(Undo* undo = nullptr);

private:
    Hive(hive_h* handle, std::string path, std::string file)
        : handle_(handle), path_(std::move(path)), file_(std::move(file)) {}
    static std::string FileOf(const std::string& path);
    bool StampCreatedKeys(const std::string& file) const;

    hive_h* handle_;
    std::string path_; // as it was given, for messages
    std::string file_; // the file it names
    std::vector<hive_node_h> created_;
    std::string controlSet_;
    uint32_t chosen_ = 0, default_ = 0, current_ = 0; // the numbers; 0 where Select has none
};

} // namespace kelvcfg
