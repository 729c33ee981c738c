#include "cli/hive.h"

#include "cli/command_error.h"
#include "cli/file_access.h"
#include "platform/little_endian.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

namespace kelvcfg {

namespace {

// A key record's time of last change: a FILETIME, 100 ns units from 1601, 8 bytes after the start
// of its cell.
constexpr uint64_t kFileTimeOfUnixEpoch = 11644473600; // seconds from 1601 to 1970
constexpr uint64_t kFileTimeUnitsPerSecond = 10000000;
constexpr hive_node_h kKeyTimeOffset = 8;
// A key record's value list: the cell's offset from the first page, 44 bytes after its start.
constexpr hive_node_h kKeyValueListOffset = 44;
constexpr hive_node_h kFirstPage = 0x1000;

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

bool ReadBytes(const std::string& file, std::string* bytes) {
    errno = 0;
    std::ifstream stream(file, std::ios::binary);
    bytes->assign(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    return stream.good() || stream.eof();
}

bool WriteBytes(const std::string& file, const std::string& bytes) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    return stream.write(bytes.data(), static_cast<std::streamsize>(bytes.size())) && stream.flush();
}

// Replaces file by what write puts in a temporary file beside it, which takes the file's owner,
// group and mode first: 0, or the error that left the file as it was.
int Replace(const std::string& file, const std::function<bool(const std::string&)>& write) {
    const std::string temporary = file + ".new~";
    struct stat status;
    const bool known = ::stat(file.c_str(), &status) == 0;
    errno = 0;
    if (write(temporary) &&
        (!known || (::chown(temporary.c_str(), status.st_uid, status.st_gid) == 0 &&
                    ::chmod(temporary.c_str(), status.st_mode & 07777) == 0)) &&
        std::rename(temporary.c_str(), file.c_str()) == 0)
        return 0;
    const int error = errno ? errno : EIO;
    std::remove(temporary.c_str());
    return error;
}

std::string SetName(uint32_t number) {
    char name[24];
    std::snprintf(name, sizeof name, "ControlSet%03u", static_cast<unsigned>(number));
    return name;
}

} // namespace

std::string HivexReason(int error) {
    return error ? std::strerror(error) : "damaged";
}

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
        const std::string why = WhyNotReplaceable(FileOf(path));
        if (!why.empty())
            throw CommandError(kUnwritable, "cannot write hive " + path + ": " + why);
    }
    errno = 0;
    hive_h* handle = hivex_open(path.c_str(), mode == Mode::Read ? 0 : HIVEX_OPEN_WRITE);
    if (!handle)
        throw CommandError(kUnreadable, "cannot read hive " + path + ": " + HivexReason(errno));
    std::unique_ptr<Hive> hive(new Hive(handle, path, FileOf(path)));
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

// The file that path names, through any symbolic links; path itself when it names none.
std::string Hive::FileOf(const std::string& path) {
    const HivexPtr<char> resolved(::realpath(path.c_str(), nullptr));
    return resolved ? std::string(resolved.get()) : path;
}

void Hive::Commit(Undo* undo) {
    std::string old;
    if (undo && !ReadBytes(file_, &old))
        throw CommandError(kUnwritable, "cannot write hive " + path_ + ": " + HivexReason(errno));
    const int error = Replace(file_, [this](const std::string& temporary) {
        return hivex_commit(handle_, temporary.c_str(), 0) == 0 && StampCreatedKeys(temporary);
    });
    if (error)
        throw CommandError(kUnwritable, "cannot write hive " + path_ + ": " + HivexReason(error));
    if (undo)
        undo->Add("hive " + path_, [file = file_, old = std::move(old)] {
            return Replace(file, [&old](const std::string& temporary) {
                       return WriteBytes(temporary, old);
                   }) == 0;
        });
}

hive_node_h Hive::FileValueList(hive_node_h key) const {
    std::ifstream stream(file_, std::ios::binary);
    uint8_t cell[4];
    if (!stream.seekg(static_cast<std::streamoff>(key + kKeyValueListOffset)) ||
        !stream.read(reinterpret_cast<char*>(cell), sizeof cell))
        return 0;
    return platform::LoadUint32(cell) + kFirstPage;
}

// libhivex leaves a key it makes without a time of last change; the keys made get the commit's
// time, as Windows gives them, written into their key records (the node handles are the records'
// offsets in the file).
bool Hive::StampCreatedKeys(const std::string& file) const {
    const uint64_t now = (static_cast<uint64_t>(std::time(nullptr)) + kFileTimeOfUnixEpoch) *
                         kFileTimeUnitsPerSecond;
    uint8_t stamp[8];
    platform::StoreUint32(stamp, static_cast<uint32_t>(now));
    platform::StoreUint32(stamp + 4, static_cast<uint32_t>(now >> 32));
    std::FILE* stream = std::fopen(file.c_str(), "r+b");
    bool written = stream != nullptr;
    for (size_t at = 0; written && at < created_.size(); ++at)
        written =
            std::fseek(stream, static_cast<long>(created_[at] + kKeyTimeOffset), SEEK_SET) == 0 &&
            std::fwrite(stamp, sizeof stamp, 1, stream) == 1;
    return stream && std::fclose(stream) == 0 && written;
}

} // namespace kelvcfg
