#include "stores/config_file.h"

#include "model/config_model.h"
#include "platform/file_system.h"
#include "platform/little_endian.h"
#include "platform/replacing_file.h"
#include "platform/system_info.h"
#include "stores/api_category_lookup.h"
#include "stores/file_path.h"
#include "stores/merge_state_list.h"
#include "stores/settings_file_header.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace kelvd {

namespace {

using Section = SettingsFileHeader::Section;

// The reader's limits. A file that breaks them is not rejected as a whole: what can be read
// safely is applied. An entry whose text is empty, longer than its limit or not ended by its
// 0 byte is skipped (its length says where the next one starts); an entry that runs past the
// end of the file ends its section.
constexpr uint32_t kMaxSectionRows = 256; // per driver or VxD section; further entries are left
constexpr uint32_t kMaxNameField = 256;   // a category name and its 0 byte
constexpr size_t kVxdEntrySize = 10;      // 8-character name, 0 byte, state byte
constexpr size_t kVxdNameLength = 8;

// ----- writing

template <size_t Capacity>
void AppendDriverSection(std::string& bytes, const DriverTable<Capacity>& table, Section& section) {
    section = {static_cast<uint32_t>(bytes.size()), table.Count()};
    for (const DriverEntry& row : table) {
        uint32_t n = static_cast<uint32_t>(std::strlen(row.path.c_str()) + 1);
        platform::AppendUint32(bytes, n);
        bytes.append(row.path.c_str(), n);
        bytes += static_cast<char>(row.checkState);
    }
}

// The writer stores each VxD path at its own length; for the 8-character names of loaded VxDs
// that is the 10-byte entry.
void AppendVxdSection(std::string& bytes, const DriverTable<256>& table, Section& section) {
    section = {static_cast<uint32_t>(bytes.size()), table.Count()};
    for (const DriverEntry& row : table) {
        bytes.append(row.path.c_str(), std::strlen(row.path.c_str()) + 1);
        bytes += static_cast<char>(row.checkState);
    }
}

void AppendCategorySection(std::string& bytes, const CategoryTable& table, Section& section) {
    section = {static_cast<uint32_t>(bytes.size()), table.Count()};
    for (const ApiCategory& category : table) {
        uint32_t n = static_cast<uint32_t>(std::strlen(category.name.c_str()) + 1);
        platform::AppendUint32(bytes, n);
        bytes.append(category.name.c_str(), n);
        platform::AppendUint32(bytes, static_cast<uint32_t>(category.eventFlags.size()));
        bytes.append(category.eventFlags.begin(), category.eventFlags.end());
    }
}

std::string EncodeConfigFile(const ScalarSettings& settings, const ConfigModel& model) {
    SettingsFileHeader header;
    header.settings = settings;
    std::string bytes(SettingsFileHeader::kSize, '\0');
    AppendDriverSection(bytes, model.drivers, header.drivers);
    AppendDriverSection(bytes, model.userDrivers, header.userDrivers);
    AppendVxdSection(bytes, model.vxds, header.vxds);
    AppendVxdSection(bytes, model.userVxds, header.userVxds);
    AppendCategorySection(bytes, model.apiCategories, header.apiCategories);
    AppendCategorySection(bytes, model.vxdApiCategories, header.vxdApiCategories);
    bytes.replace(0, SettingsFileHeader::kSize, header.Encode());
    return bytes;
}

// ----- reading

// Reads forward through the file's bytes from a section's offset, never past their end.
class ByteCursor {
public:
    ByteCursor(const std::string& bytes, uint32_t offset)
        : data_(reinterpret_cast<const uint8_t*>(bytes.data())), size_(bytes.size()),
          position_(std::min<size_t>(offset, bytes.size())) {}

    size_t Remaining() const { return size_ - position_; }
    const uint8_t* Here() const { return data_ + position_; }

    bool Take(size_t count, const uint8_t** at) {
        if (count > Remaining())
            return false;
        *at = Here();
        position_ += count;
        return true;
    }
    bool Uint32(uint32_t* value) {
        const uint8_t* at;
        if (!Take(4, &at))
            return false;
        *value = platform::LoadUint32(at);
        return true;
    }
    bool Byte(uint8_t* value) {
        const uint8_t* at;
        if (!Take(1, &at))
            return false;
        *value = *at;
        return true;
    }

private:
    const uint8_t* data_;
    size_t size_;
    size_t position_;
};

const char* AsText(const uint8_t* bytes) {
    return reinterpret_cast<const char*>(bytes);
}

bool IsTextField(const uint8_t* text, uint32_t n, uint32_t limit) {
    return n >= 1 && n <= limit && text[n - 1] == 0;
}

uint32_t SectionRows(const Section& section) {
    return std::min(section.count, kMaxSectionRows);
}

std::vector<StateEntry> ReadDriverSection(const std::string& bytes, const Section& section) {
    ByteCursor cursor(bytes, section.offset);
    // Filled field by field in place: a skipped entry's slot is used by the next.
    std::vector<StateEntry> entries(SectionRows(section));
    size_t kept = 0;
    for (size_t i = 0; i < entries.size(); ++i) {
        uint32_t n;
        const uint8_t* text;
        if (!cursor.Uint32(&n) || !cursor.Take(n, &text) || !cursor.Byte(&entries[kept].state))
            break;
        if (IsTextField(text, n, platform::kMaxPath))
            entries[kept++].name = AsText(text);
    }
    entries.resize(kept);
    return entries;
}

// Loaded VxDs: 10-byte entries, the name being the first 8 characters.
struct VxdRows {
    std::vector<std::array<char, kVxdNameLength + 1>> names;
    std::vector<StateEntry> entries;
};

void ReadVxdSection(const std::string& bytes, const Section& section, VxdRows& rows) {
    ByteCursor cursor(bytes, section.offset);
    rows.names.resize(SectionRows(section));
    for (auto& name : rows.names) {
        const uint8_t* entry;
        if (!cursor.Take(kVxdEntrySize, &entry))
            break;
        std::memcpy(name.data(), entry, kVxdNameLength);
        name[kVxdNameLength] = '\0';
        rows.entries.push_back({name.data(), entry[kVxdEntrySize - 1]});
    }
}

// User VxDs are read as the writer stores them: the text up to its 0 byte, then the state byte.
// The VxD page adds them by full path, which comes back whole; an 8-character name is the same
// 10 bytes as in the VxD section. A text with no 0 byte within 260 bytes ends the section.
std::vector<StateEntry> ReadUserVxdSection(const std::string& bytes, const Section& section) {
    ByteCursor cursor(bytes, section.offset);
    std::vector<StateEntry> entries;
    for (uint32_t i = 0; i < SectionRows(section); ++i) {
        const void* end =
            std::memchr(cursor.Here(), 0, std::min<size_t>(cursor.Remaining(), platform::kMaxPath));
        const uint8_t* text;
        uint8_t state;
        if (!end || !cursor.Take(static_cast<const uint8_t*>(end) - cursor.Here() + 1, &text) ||
            !cursor.Byte(&state))
            break;
        entries.push_back({AsText(text), state});
    }
    return entries;
}

// Whether every byte is 1, eight at a time.
bool AllOnes(const uint8_t* bytes, size_t count) {
    constexpr uint64_t kOnes = 0x0101010101010101;
    size_t i = 0;
    for (uint64_t word; i + 8 <= count; i += 8)
        if (std::memcpy(&word, bytes + i, 8), word != kOnes)
            return false;
    return std::all_of(bytes + i, bytes + count, [](uint8_t flag) { return flag == 1; });
}

// Copies the flags (at most the category's own count of them) and sets the tri-state they make:
// 1 when all copied flags are 1, 2 when some are, 0 when none is or none was copied.
void ApplyFlags(ApiCategory& category, const uint8_t* flags, uint32_t count) {
    size_t copied = std::min<size_t>(count, category.eventFlags.size());
    std::copy(flags, flags + copied, category.eventFlags.begin());
    bool anyHooked = copied != 0 && std::memchr(flags, 1, copied);
    category.checkState = !anyHooked ? 0 : AllOnes(flags, copied) ? 1 : 2;
}

// The index that the name finds may be one of the other category table; it is used in this
// section's table all the same, when it is below that table's count.
void ReadCategorySection(const std::string& bytes, const Section& section, CategoryTable& table,
                         const ApiCategoryLookup& lookup) {
    ByteCursor cursor(bytes, section.offset);
    for (uint32_t i = 0; i < section.count; ++i) {
        uint32_t n, m;
        const uint8_t *name, *flags;
        if (!cursor.Uint32(&n) || !cursor.Take(n, &name) || !cursor.Uint32(&m) ||
            !cursor.Take(m, &flags))
            break;
        if (!IsTextField(name, n, kMaxNameField))
            continue;
        int32_t index = lookup.Find(AsText(name), i);
        if (index >= 0 && static_cast<uint32_t>(index) < table.Count())
            ApplyFlags(table[index], flags, m);
    }
}

template <size_t Capacity>
void Merge(DriverTable<Capacity>& table, const std::vector<StateEntry>& entries) {
    MergeStateList(table, entries.data(), entries.size());
}

void ApplyConfigFile(const std::string& bytes, const SettingsFileHeader& header) {
    ConfigModel& model = configModel();
    Merge(model.drivers, ReadDriverSection(bytes, header.drivers));
    Merge(model.userDrivers, ReadDriverSection(bytes, header.userDrivers));
    VxdRows vxds;
    ReadVxdSection(bytes, header.vxds, vxds);
    Merge(model.vxds, vxds.entries);
    Merge(model.userVxds, ReadUserVxdSection(bytes, header.userVxds));
    ApiCategoryLookup lookup(model);
    ReadCategorySection(bytes, header.apiCategories, model.apiCategories, lookup);
    ReadCategorySection(bytes, header.vxdApiCategories, model.vxdApiCategories, lookup);
}

} // namespace

void SaveConfigFile(const std::string& path, const ScalarSettings& settings) {
    try {
        std::string bytes = EncodeConfigFile(settings, configModel());
        // The file replaces the old one only once it is complete.
        std::unique_ptr<platform::File> file = platform::OpenForReplace(path);
        if (!file)
            return;
        file->Write(bytes.data(), bytes.size());
        file->Close();
    } catch (const std::bad_alloc&) {
        // Built before the file is opened: without the memory, what was there stays.
    }
}

std::optional<ScalarSettings> LoadConfigFile(const std::string& path) {
    std::string bytes;
    try {
        if (!platform::ReadWholeFile(path, platform::OpenMode::ReadBinary, &bytes))
            return std::nullopt;
    } catch (const std::bad_alloc&) {
        // A file too large to hold is as one that cannot be read.
        return std::nullopt;
    }
    if (bytes.size() < SettingsFileHeader::kSize)
        return std::nullopt;
    SettingsFileHeader header =
        SettingsFileHeader::Decode(reinterpret_cast<const uint8_t*>(bytes.data()));
    try {
        ApplyConfigFile(bytes, header);
    } catch (const std::bad_alloc&) {
        // Sections too large to hold are left partly applied or not at all; nothing is broken.
    }
    return header.settings;
}

bool VxdConfigPath(std::string* path) {
    return JoinPath(platform::systemInfo().SystemDirectory(platform::kMaxPath), "\\KELVDVXD.CFG",
                    platform::kMaxPath, path);
}

} // namespace kelvd
