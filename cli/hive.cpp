#include "cli/hive.h"

#include "cli/command_error.h"
#include "cli/file_access.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvcfg {

namespace {

std::string Reason(int error) {
    return error ? std::strerror(error) : "damaged";
}

// The number in the root's Select\Current, or 0 when it has none.
uint32_t CurrentSet(hive_h* handle) {
    hive_node_h select = hivex_node_get_child(handle, hivex_root(handle), "Select");
    hive_value_h current = select ? hivex_node_get_value(handle, select, "Current") : 0;
    uint32_t type = 0, number = 0;
    size_t length = 0;
    HivexPtr<char> data = current ? HiveValueData(handle, current, &type, &length) : nullptr;
    if (data && type == hive_t_REG_DWORD && length == sizeof number)
        std::memcpy(&number, data.get(), sizeof number); // little-endian, as the hosts this runs on
    return number;
}

} // namespace

HivexPtr<char> HiveValueData(hive_h* handle, hive_value_h value, uint32_t* type, size_t* length) {
    static_assert(sizeof(hive_type) == sizeof(uint32_t));
    uint32_t number = 0;
    HivexPtr<char> data(
        hivex_value_value(handle, value, reinterpret_cast<hive_type*>(&number), length));
    *type = number;
    return data;
}

std::unique_ptr<Hive> Hive::Open(const std::string& path, Mode mode) {
    if (mode == Mode::Change) {
        const std::string why = WhyNotReplaceable(path);
        if (!why.empty())
            throw CommandError(kUnwritable, "cannot write hive " + path + ": " + why);
    }
    errno = 0;
    hive_h* handle = hivex_open(path.c_str(), mode == Mode::Read ? 0 : HIVEX_OPEN_WRITE);
    if (!handle)
        throw CommandError(kUnreadable, "cannot read hive " + path + ": " + Reason(errno));
    std::unique_ptr<Hive> hive(new Hive(handle, path));
    const uint32_t current = CurrentSet(handle);
    char name[24];
    std::snprintf(name, sizeof name, "ControlSet%03u", static_cast<unsigned>(current));
    if (current == 0 || !hivex_node_get_child(handle, hive->root(), name))
        throw CommandError(kUnreadable, "hive " + path +
                                            " has no current control set (Select\\Current): "
                                            "is it a SYSTEM hive?");
    hive->currentControlSet_ = name;
    return hive;
}

Hive::~Hive() {
    hivex_close(handle_);
}

void Hive::Commit() {
    const std::string temporary = path_ + ".new~";
    struct stat status;
    const bool known = ::stat(path_.c_str(), &status) == 0;
    errno = 0;
    if (hivex_commit(handle_, temporary.c_str(), 0) == 0 &&
        (!known || ::chmod(temporary.c_str(), status.st_mode & 07777) == 0) &&
        std::rename(temporary.c_str(), path_.c_str()) == 0)
        return;
    const int error = errno;
    std::remove(temporary.c_str());
    throw CommandError(kUnwritable, "cannot write hive " + path_ + ": " + Reason(error));
}

} // namespace kelvcfg
