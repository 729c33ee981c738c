#include "real_size_hive.h"

#include "doubles/system_hive.h"

#include <hivex.h>

#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <vector>

namespace kelvd::bench {

namespace {

constexpr uint32_t kServices = 1400;

const char* const kStems[] = {"Acpi",  "disk",  "Ndis",  "usb",    "Tcpip", "Wd",    "Hid",
                              "Stor",  "vm",    "Bth",   "Wmi",    "sys",   "Net",   "Audio",
                              "Crypt", "Dhcp",  "Event", "Lanman", "Rpc",   "Sense", "Win",
                              "Xbox",  "i8042", "mou",   "kbd"};
const char* const kEndings[] = {"Filter", "Port", "Svc",      "Hub",   "Prt", "Bus",
                                "Mgr",    "Host", "Miniport", "Agent", "Ex",  "Class"};
const char* const kDriverGroups[] = {
    "Boot Bus Extender", "System Bus Extender", "SCSI miniport", "PnP Filter", "NDIS", "Video",
    "Keyboard Port",     "Pointer Port",        "Base"};

constexpr size_t kStemCount = std::size(kStems);
constexpr size_t kEndingCount = std::size(kEndings);

// A distinct name for every index, in mixed case as Windows' services are named.
std::string ServiceName(uint32_t index) {
    std::string name =
        std::string(kStems[index % kStemCount]) + kEndings[index / kStemCount % kEndingCount];
    const uint32_t round = index / (kStemCount * kEndingCount);
    return round ? name + std::to_string(round) : name;
}

// The values of one key, in the form hivex takes them.
class Values {
public:
    explicit Values(std::mt19937& random) : random_(random) {}

    void Dword(const char* name, uint32_t number) {
        Add(name, hive_t_REG_DWORD, std::string(reinterpret_cast<const char*>(&number), 4));
    }
    void Text(const char* name, const std::string& text, hive_type type = hive_t_REG_SZ) {
        Add(name, type, Utf16(text) + std::string(2, '\0'));
    }
    // A REG_MULTI_SZ of count texts, each of the stem and a number.
    void Texts(const char* name, const std::string& stem, size_t count) {
        std::string data;
        for (size_t i = 0; i < count; ++i)
            data += Utf16(stem + std::to_string(i)) + std::string(2, '\0');
        Add(name, hive_t_REG_MULTI_SZ, data + std::string(2, '\0'));
    }
    void Binary(const char* name, size_t size) {
        std::string data(size, '\0');
        for (char& byte : data)
            byte = static_cast<char>(random_());
        Add(name, hive_t_REG_BINARY, std::move(data));
    }
    size_t Between(size_t low, size_t high) {
        return std::uniform_int_distribution<size_t>(low, high)(random_);
    }

    void SetOn(hive_h* handle, hive_node_h node) {
        std::vector<hive_set_value> set;
        for (Entry& entry : entries_)
            set.push_back({entry.name.data(), entry.type, entry.data.size(), entry.data.data()});
        if (hivex_node_set_values(handle, node, set.size(), set.data(), 0) != 0)
            throw std::runtime_error("hivex cannot set the values of a key");
        entries_.clear();
    }

private:
    struct Entry {
        std::string name;
        hive_type type;
        std::string data;
    };
    static std::string Utf16(const std::string& ascii) {
        std::string units;
        for (char c : ascii)
            units += {c, '\0'};
        return units;
    }
    void Add(const char* name, hive_type type, std::string data) {
        entries_.push_back({name, type, std::move(data)});
    }

    std::mt19937& random_;
    std::vector<Entry> entries_;
};

hive_node_h Child(hive_h* handle, hive_node_h parent, const std::string& name) {
    const hive_node_h child = hivex_node_add_child(handle, parent, name.c_str());
    if (!child)
        throw std::runtime_error("hivex cannot add the key " + name);
    return child;
}

// A service key's own values: a driver (type 1 or 2) of a group, or a Win32 service.
void ServiceValues(Values& values, const std::string& name, uint32_t index, uint32_t type) {
    const bool driver = type <= 2;
    values.Dword("Type", type);
    values.Dword("Start", driver ? index % 4 : 2 + index % 3);
    values.Dword("ErrorControl", index % 2);
    values.Text("ImagePath",
                driver ? "\\SystemRoot\\System32\\drivers\\" + name + ".sys"
                       : "%SystemRoot%\\System32\\svchost.exe -k " + name + "Group -p",
                hive_t_REG_EXPAND_SZ);
    values.Text("DisplayName", "@%SystemRoot%\\System32\\drivers\\" + name + ".sys,-100");
    values.Text("Description", "@%SystemRoot%\\System32\\drivers\\" + name + ".sys,-101");
    values.Texts("DependOnService", "RpcSs", 1 + index % 4);
    if (driver) {
        values.Text("Group", type == 2 ? "File System" : kDriverGroups[index % 9]);
        values.Dword("Tag", index % 32);
    } else {
        values.Text("ObjectName", "LocalSystem");
        values.Binary("FailureActions", 44);
        values.Texts("RequiredPrivileges", "SeCreateGlobalPrivilege", 40 + index % 60);
    }
}

// Parameters, four keys deep, where the large values are.
void AddParameters(hive_h* handle, hive_node_h service, Values& values, uint32_t index) {
    hive_node_h key = Child(handle, service, "Parameters");
    const char* const levels[] = {"Interfaces", "Adapters", "Settings"};
    for (const char* level : levels) {
        values.Dword("Revision", index);
        values.Text("Location", std::string("\\Registry\\Machine\\") + level);
        values.SetOn(handle, key);
        key = Child(handle, key, level);
    }
    values.Binary("Configuration", values.Between(2048, 12288));
    values.Texts("Bindings", "\\Device\\Tcpip_{4D36E972-E325-11CE-BFC1-08002BE1031",
                 30 + index % 70);
    if (index % 16 == 0)
        values.Binary("Cache", values.Between(32768, 65536));
    values.SetOn(handle, key);
}

void AddService(hive_h* handle, hive_node_h services, Values& values, uint32_t index) {
    // Half drivers, one in five of them a file system's; half Win32 services of their own
    // process or a shared one.
    const uint32_t types[] = {1, 1, 1, 1, 2, 0x10, 0x10, 0x20, 0x20, 0x20};
    const uint32_t type = types[index % std::size(types)];
    const std::string name = ServiceName(index);
    const hive_node_h service = Child(handle, services, name);
    ServiceValues(values, name, index, type);
    values.SetOn(handle, service);
    values.Binary("Security", 180);
    values.SetOn(handle, Child(handle, service, "Security"));
    values.Dword("Count", 1);
    values.Dword("NextInstance", 1);
    values.Text("0", "Root\\LEGACY_" + name + "\\0000");
    values.SetOn(handle, Child(handle, service, "Enum"));
    if (type == 1 && index % 9 == 5) { // group "Video"
        values.Texts("InstalledDisplayDrivers", name + "Display", 2);
        values.SetOn(handle, Child(handle, service, "Device0"));
    }
    AddParameters(handle, service, values, index);
}

} // namespace

HiveSize WriteRealSizeHive(const std::string& path) {
    if (!platform::WriteSystemHive(path))
        throw std::runtime_error("cannot write a SYSTEM hive to " + path);
    hive_h* handle = hivex_open(path.c_str(), HIVEX_OPEN_WRITE);
    if (!handle)
        throw std::runtime_error("hivex cannot open " + path);
    try {
        const hive_node_h set = hivex_node_get_child(handle, hivex_root(handle), "ControlSet001");
        const hive_node_h services = set ? hivex_node_get_child(handle, set, "Services") : 0;
        std::mt19937 random(1);
        Values values(random);
        for (uint32_t index = 0; index < kServices; ++index)
            AddService(handle, services, values, index);
        if (hivex_commit(handle, nullptr, 0) != 0)
            throw std::runtime_error("hivex cannot write " + path);
    } catch (...) {
        hivex_close(handle);
        throw;
    }
    hivex_close(handle);
    return {std::filesystem::file_size(path), kServices};
}

} // namespace kelvd::bench
