// What a command writes, in the order the library writes it: registry values (of this machine or
// of a hive), files, system.ini sections and the control panel's notification. A command writes
// into the journal only; the journal is then printed (--dry-run) or carried out.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace kelvcfg {

struct JournalEntry {
    enum class Kind {
        RegistryValue,    // where: the key below HKEY_LOCAL_MACHINE; name, type, data
        RegistryDeletion, // where, name
        HiveValue,        // as RegistryValue, in a hive, which writes itself
        File,             // where: the path; data: the whole content
        ProfileSection,   // where: the profile file; name: the section; data: its entries
        ControlPanel,     // where: the applet; name: its export
        Withdrawn,        // a file written and then removed again: nothing
    };
    Kind kind;
    std::string where;
    std::string name;
    uint32_t type = 0;
    std::string data;
};

class Journal {
public:
    // The index of the entry added.
    size_t Add(JournalEntry entry);
    JournalEntry& operator[](size_t index) { return entries_[index]; }
    const std::vector<JournalEntry>& entries() const { return entries_; }

    // One line per entry, in order: "registry KEY NAME TYPE DATA", "delete KEY NAME",
    // "file PATH (N bytes)", "profile FILE [SECTION] ENTRIES", "call APPLET EXPORT". Texts
    // are given as the library holds them, through text().
    void Print(std::ostream& out, std::string (*text)(const std::string&)) const;

private:
    std::vector<JournalEntry> entries_;
};

// The data of a registry value as it is printed: a REG_DWORD as 0x and eight hexadecimal digits, a
// string as its text in quotes, anything else as hexadecimal bytes. wide: string data is UTF-16.
std::string ValueText(uint32_t type, const std::string& data, bool wide);

} // namespace kelvcfg
