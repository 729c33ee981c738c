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

// The number in the root's Select\<name>, or 0 when it has none.
uint32_t SelectedSet(hive_h* handle, const char* name) {
    hive_node_h select = hivex_node_get_child(handle, hivex_root(handle), "Select");
    hive_value_h value = select ? hivex_node_get_value(handle, select, name) : 0;
    uint32_t type = 0, number = 0;
    size_t length = 0;
    HivexPtr<char> data = value ? HiveValueData(handle, value, &type, &length) : nullptr;
    if (data && type == hive_t_REG_DWORD && length == sizeof number)
        std::memcpy(&number, data.get(), sizeof number); // little-endian, as the hosts this runs on
    return number <= kLastControlSet ? number : 0;
}

std::string SetName(uint32_t number) {
    char name[24];
    std::snprintf(name, sizeof name, "ControlSet%03u", static_cast<unsigned>(number));
    return name;
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

std::unique_ptr<Hive> Hive::Open(const std::string& path, Mode mode, uint32_t controlSet) {
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
    hive->default_ = SelectedSet(handle, "Default");
    hive->current_ = SelectedSet(handle, "Current");
    hive->chosen_ = controlSet ? controlSet : hive->default_;
    if (hive->chosen_ == 0)
        throw CommandError(kUnreadable, "hive " + path +
                                            " names no control set to start with "
                                            "(Select\\Default): is it a SYSTEM hive?");
    hive->controlSet_ = SetName(hive->chosen_);
    const hive_node_h set = hivex_node_get_child(handle, hive->root(), hive->controlSet_.c_str());
    if (!set)
        throw CommandError(kUnreadable, "hive " + path + " has no " + hive->controlSet_);
    if (!hivex_node_get_child(handle, set, "Services"))
        throw CommandError(kUnreadable,
                           "hive " + path + " has no " + hive->controlSet_ + "\\Services");
    return hive;
}

std::string Hive::ControlSetRoles() const {
    if (chosen_ == default_ && chosen_ == current_)
        return controlSet_;
    return controlSet_ + " (Default " + (default_ ? SetName(default_) : "none") + ", Current " +
           (current_ ? SetName(current_) : "none") + ")";
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
