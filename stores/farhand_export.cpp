#include "stores/farhand_export.h"

#include "platform/file_system.h"
#include "platform/replacing_file.h"
#include "res/string_table.h"
#include "stores/checker_value_names.h"
#include "stores/config_file.h"
#include "stores/file_path.h"
#include "stores/install_dirs.h"

#include <cstring>

namespace kelvd {

namespace {

constexpr size_t kExportPathBuffer = 512;
constexpr uint32_t kBytesPerLine = 20;

// The fixed lines: the header, the service key and the service entries. The agent is set up to
// start at boot, in the group every NT version knows.
constexpr const char* kFixedLines[] = {
    "REGEDIT4\n\n",
    "[HKEY_LOCAL_MACHINE\\SYSTEM\\CurrentControlSet\\Services\\Kelvd]\n",
    "\"Type\"=dword:00000001\n",
    "\"Start\"=dword:00000000\n",
    "\"Group\"=\"System Bus Extender\"\n",
    "\"ErrorControl\"=dword:00000001\n",
    "\"Setup\"=dword:00000000\n",
};

void AppendHex(std::string& text, uint8_t byte, const char* digits = "0123456789abcdef") {
    text += digits[byte >> 4];
    text += digits[byte & 0xF];
}

// A value name between its quotes. A double quote or a backslash in it is written with a
// backslash before it, as registry importers read value names; other names are unchanged.
std::string QuotedName(const std::string& name) {
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

// "\"name\"=dword:%08X\n".
std::string DwordLine(const char* name, uint32_t value) {
    std::string line = QuotedName(name) + "=dword:";
    for (int shift = 24; shift >= 0; shift -= 8)
        AppendHex(line, static_cast<uint8_t>(value >> shift), "0123456789ABCDEF");
    return line + '\n';
}

// The category's value: its event count as four bytes, least significant first, on the name's
// line, then the flags, 20 to a line.
std::string CategoryValue(const ApiCategory& category) {
    std::string text = QuotedName(category.name) + "=hex:";
    text.reserve(text.size() + 12 + category.eventFlags.size() * 3 +
                 category.eventFlags.size() / kBytesPerLine * 3);
    uint32_t count = static_cast<uint32_t>(category.eventFlags.size());
    for (int shift = 0; shift < 32; shift += 8) {
        if (shift)
            text += ',';
        AppendHex(text, static_cast<uint8_t>(count >> shift));
    }
    for (size_t j = 0; j < category.eventFlags.size(); ++j) {
        text += j % kBytesPerLine == 0 ? ",\\\n " : ",";
        AppendHex(text, category.eventFlags[j]);
    }
    return text + '\n';
}

template <size_t Capacity>
std::string ListValue(const char* name, const DriverTable<Capacity>& table) {
    std::string text = QuotedName(name) + "=hex:";
    AppendHexStateList(text, table.begin(), table.Count());
    return text + (table.Count() != 0 ? ",00\n" : "00\n");
}

void Write(platform::File& file, const std::string& text) {
    file.Write(text.data(), text.size());
}

void ReportCannotWrite(platform::WindowHandle owner) {
    platform::messageBoxes().Show(owner, TableString(kStrCannotWriteExport), nullptr,
                                  platform::kMbOk);
}

} // namespace

bool FarhandExportPath(std::string* path) {
    std::string dir;
    GetFamilyInstallDir(&dir);
    const char* name =
        configModel().isWin9x ? "\\Farhand\\KELVDVXD.CFG" : "\\Farhand\\KVConfig.Reg";
    return JoinPath(dir, name, kExportPathBuffer, path);
}

void AppendHexStateList(std::string& text, const DriverEntry* rows, size_t count) {
    uint32_t onLine = 0; // path bytes since the start of the value or the last break
    for (size_t k = 0; k < count; ++k) {
        if (k > 0)
            text += ',';
        for (const char* p = rows[k].path.c_str(); *p; ++p) {
            if (onLine == kBytesPerLine) {
                text += "\\\n ";
                onLine = 0;
            }
            AppendHex(text, static_cast<uint8_t>(*p));
            text += ',';
            ++onLine;
        }
        text += "00,";
        AppendHex(text, static_cast<uint8_t>(rows[k].checkState));
    }
}

void WriteExportRegFile(const std::string& path, const ScalarSettings& settings,
                        platform::WindowHandle owner) {
    // The export replaces the old one only once it is complete.
    std::unique_ptr<platform::File> file = platform::OpenForReplace(path);
    if (!file) {
        ReportCannotWrite(owner);
        return;
    }
    for (const char* line : kFixedLines)
        file->Write(line, std::strlen(line));
    for (const ScalarValue& value : kScalarValues)
        if (value.field != &ScalarSettings::start)
            Write(*file, DwordLine(value.name, settings.*value.field));
    const ConfigModel& model = configModel();
    for (const ApiCategory& category : model.apiCategories)
        Write(*file, CategoryValue(category));
    Write(*file, ListValue(kDriverValue, model.drivers));
    Write(*file, ListValue(kUserDriverValue, model.userDrivers));
    Write(*file, ListValue(kDisplayDriverValue, model.displayDrivers));
    // A file that cannot take the old one's place (read-only, locked) was not created either.
    if (!file->Close())
        ReportCannotWrite(owner);
}

void WriteFarhandExport(const std::string& path, const ScalarSettings& settings,
                        platform::WindowHandle owner) {
    if (configModel().isWin9x)
        SaveConfigFile(path, settings);
    else
        WriteExportRegFile(path, settings, owner);
}

void ExportFarhandConfiguration(const ScalarSettings& settings, platform::WindowHandle owner) {
    std::string path;
    if (FarhandExportPath(&path))
        WriteFarhandExport(path, settings, owner);
    else if (!configModel().isWin9x)
        ReportCannotWrite(owner);
    platform::messageBoxes().Show(owner, TableString(kStrFarhandCreated), kFarhandSettingsCaption,
                                  platform::kMbOk);
}

} // namespace kelvd
