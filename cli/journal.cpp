#include "cli/journal.h"

#include "platform/code_page.h"
#include "platform/little_endian.h"
#include "platform/registry.h"

#include <cstdio>

namespace kelvcfg {

namespace {

const char* TypeName(uint32_t type) {
    switch (type) {
    case platform::reg::kSz:
        return "REG_SZ";
    case platform::reg::kExpandSz:
        return "REG_EXPAND_SZ";
    case platform::reg::kBinary:
        return "REG_BINARY";
    case platform::reg::kDword:
        return "REG_DWORD";
    case platform::reg::kMultiSz:
        return "REG_MULTI_SZ";
    default:
        return "REG_NONE";
    }
}

std::string Hex(const std::string& bytes) {
    std::string text;
    char digits[4];
    for (unsigned char byte : bytes) {
        std::snprintf(digits, sizeof digits, text.empty() ? "%02x" : " %02x", byte);
        text += digits;
    }
    return text;
}

// A string value's text, up to its terminator.
std::string StringData(const std::string& data, bool wide) {
    if (!wide)
        return std::string(data.c_str());
    std::u16string units;
    for (size_t at = 0; at + 1 < data.size(); at += 2) {
        char16_t unit = static_cast<unsigned char>(data[at]) |
                        static_cast<char16_t>(static_cast<unsigned char>(data[at + 1]) << 8);
        if (unit == 0)
            break;
        units += unit;
    }
    return platform::AnsiFromUtf16(units);
}

// A section's entries, each ended by a 0 byte, as "a=1; b=2".
std::string ProfileEntries(const std::string& entries) {
    std::string text;
    for (size_t at = 0; at < entries.size() && entries[at] != '\0';) {
        const std::string entry(entries.c_str() + at);
        text += (text.empty() ? "" : "; ") + entry;
        at += entry.size() + 1;
    }
    return text;
}

} // namespace

std::string ValueText(uint32_t type, const std::string& data, bool wide) {
    if (type == platform::reg::kDword && data.size() == 4) {
        char text[16];
        std::snprintf(text, sizeof text, "0x%08x",
                      platform::LoadUint32(reinterpret_cast<const uint8_t*>(data.data())));
        return text;
    }
    if (type == platform::reg::kSz || type == platform::reg::kExpandSz)
        return "\"" + StringData(data, wide) + "\"";
    return Hex(data);
}

size_t Journal::Add(JournalEntry entry) {
    entries_.push_back(std::move(entry));
    return entries_.size() - 1;
}

void Journal::Print(std::ostream& out, std::string (*text)(const std::string&)) const {
    using Kind = JournalEntry::Kind;
    for (const JournalEntry& entry : entries_) {
        switch (entry.kind) {
        case Kind::RegistryValue:
        case Kind::HiveValue:
            out << "registry HKLM\\" << text(entry.where) << "  " << text(entry.name) << "  "
                << TypeName(entry.type) << "  "
                << text(ValueText(entry.type, entry.data, entry.kind == Kind::HiveValue)) << "\n";
            break;
        case Kind::RegistryDeletion:
            out << "delete   HKLM\\" << text(entry.where) << "  " << text(entry.name) << "\n";
            break;
        case Kind::File:
            out << "file     " << entry.where << "  (" << entry.data.size() << " bytes)\n";
            break;
        case Kind::ProfileSection:
            out << "profile  " << entry.where << "  [" << entry.name << "]  "
                << text(ProfileEntries(entry.data)) << "\n";
            break;
        case Kind::ControlPanel:
            out << "call     " << entry.where << "  " << entry.name << "\n";
            break;
        case Kind::Withdrawn:
            break;
        }
    }
}

} // namespace kelvcfg
