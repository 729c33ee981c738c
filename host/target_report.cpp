#include "host/target_report.h"

#include <cstdio>

namespace kwhost {

namespace {

namespace reg = platform::reg;

// UTF-16 units (little-endian) without the terminators at the end, as narrow text; inner
// terminators of a multi-string become "\0", units above 0xFF '?'.
std::string TargetText(const std::vector<uint8_t>& data) {
    std::vector<unsigned> units;
    for (size_t i = 0; i + 1 < data.size(); i += 2)
        units.push_back(data[i] | data[i + 1] << 8);
    while (!units.empty() && units.back() == 0)
        units.pop_back();
    std::string text;
    for (unsigned unit : units) {
        if (unit == 0)
            text += "\\0";
        else
            text += unit > 0xFF ? '?' : static_cast<char>(unit);
    }
    return text;
}

std::string Hex(const std::vector<uint8_t>& data) {
    std::string hex;
    char digits[3];
    for (uint8_t byte : data) {
        std::snprintf(digits, sizeof digits, "%02X", byte);
        hex += digits;
    }
    return hex;
}

std::string Describe(uint32_t type, const std::vector<uint8_t>& data) {
    char number[24];
    switch (type) {
    case reg::kDword:
        if (data.size() != 4)
            break;
        std::snprintf(number, sizeof number, "0x%x",
                      static_cast<unsigned>(data[0] | data[1] << 8 | data[2] << 16 |
                                            static_cast<uint32_t>(data[3]) << 24));
        return std::string("REG_DWORD    ") + number;
    case reg::kSz:
        return "REG_SZ    " + TargetText(data);
    case reg::kExpandSz:
        return "REG_EXPAND_SZ    " + TargetText(data);
    case reg::kMultiSz:
        return "REG_MULTI_SZ    " + TargetText(data);
    case reg::kBinary:
        return "REG_BINARY    " + Hex(data);
    }
    std::snprintf(number, sizeof number, "0x%x", static_cast<unsigned>(type));
    return std::string(number) + "    " + Hex(data);
}

} // namespace

void PrintTargetKey(platform::MemoryRegistry& registry, const std::string& path,
                    std::ostream& out) {
    const std::string full = "HKEY_LOCAL_MACHINE\\" + path;
    platform::RegKey key = 0;
    if (registry.OpenKey(platform::kLocalMachine, path.c_str(), reg::kRead, &key) !=
        reg::kSuccess) {
        out << full << ": no such key\n";
        return;
    }
    out << full << "\n";
    std::string name;
    uint32_t type = 0;
    std::vector<uint8_t> data;
    for (uint32_t i = 0; registry.EnumValue(key, i, &name, &type, &data) == reg::kSuccess; ++i)
        out << "    " << (name.empty() ? "(Default)" : name) << "    " << Describe(type, data)
            << "\n";
    registry.CloseKey(key);
}

} // namespace kwhost
