#include "stores/hook_state_file.h"

#include "model/config_model.h"
#include "model/runtime_numbers.h"
#include "platform/file_system.h"
#include "platform/replacing_file.h"
#include "stores/file_path.h"
#include "stores/install_dirs.h"
#include "stores/text_line.h"

#include <cstring>
#include <new>
#include <vector>

namespace kelvd {

namespace {

// The map's entries of the file's lines, in the file's order.
using CollectedLines = std::vector<StringIntMap::Stored>;

// Collects the file's lines into map: the key is the text before the last "=", the value the
// text after it as atoi reads it; a line without "=" is ignored. Lines are read by the shared
// line reader: a line over 255 characters comes in pieces, each taken as a line of its own.
CollectedLines CollectLines(platform::File& file, StringIntMap& map, size_t expected) {
    CollectedLines lines;
    lines.reserve(expected);
    TextLineReader reader(file);
    std::string_view text;
    while (reader.Next(&text)) {
        size_t equals = text.rfind('=');
        if (equals != std::string_view::npos)
            lines.push_back(
                map.SetAt(text.substr(0, equals), ParseDecimal(text.data() + equals + 1)));
    }
    return lines;
}

size_t EventCount(const CategoryTable& table) {
    size_t events = 0;
    for (const ApiCategory& category : table)
        events += category.eventNames.size();
    return events;
}

// The map's value for the name of the next event in catalogue order. A file written from the
// same catalogue has that event's line next: when that line's key is the name, its entry is the
// name's, and no lookup is needed.
bool NextValue(const StringIntMap& map, const CollectedLines& lines, size_t* next,
               const std::string& name, int32_t* value) {
    const size_t line = (*next)++;
    if (line < lines.size() && lines[line].key() == name) {
        *value = lines[line].value();
        return true;
    }
    return map.Lookup(name, value);
}

// Gives every event the flag the map holds for its name (0 when it holds none) and every
// category the state the map's entries give it: 2 for selected and unselected ones, 1 for
// selected ones only, else 0. A name the map does not hold counts as neither. next is the line
// where the table's events are expected to begin.
void ApplyStates(CategoryTable& table, const StringIntMap& map, const CollectedLines& lines,
                 size_t* next) {
    for (ApiCategory& category : table) {
        bool selected = false, unselected = false;
        size_t events = std::min(category.eventNames.size(), category.eventFlags.size());
        for (size_t i = 0; i < events; ++i) {
            int32_t value = 0;
            bool found = NextValue(map, lines, next, category.eventNames[i], &value);
            category.eventFlags[i] = static_cast<uint8_t>(value);
            if (found)
                (value != 0 ? selected : unselected) = true;
        }
        category.checkState = selected && unselected ? 2 : selected ? 1 : 0;
    }
}

void AppendDecimal(std::string& text, unsigned value) {
    char digits[10];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (count > 0)
        text += digits[--count];
}

void WriteLines(platform::File& file, const CategoryTable& table) {
    std::string line;
    for (const ApiCategory& category : table) {
        size_t events = std::min(category.eventNames.size(), category.eventFlags.size());
        for (size_t i = 0; i < events; ++i) {
            line.assign(category.eventNames[i].c_str());
            line += '=';
            AppendDecimal(line, category.eventFlags[i]);
            line += '\n';
            file.Write(line.data(), line.size());
        }
    }
}

} // namespace

std::unique_ptr<platform::File> OpenHookStateFile(platform::OpenMode mode) {
    std::string path;
    if (!HookStatePath(&path))
        return nullptr;
    // Written files replace the old one only once they are complete.
    return mode == platform::OpenMode::WriteBinary
               ? platform::OpenForReplace(path)
               : platform::fileSystem().Open(path.c_str(), mode);
}

bool HookStatePath(std::string* path) {
    std::string dir;
    GetSuiteInstallDir(&dir);
    const char* name = configModel().isWin9x ? "\\hookstate9x.dat" : "\\hookstate.dat";
    return JoinPath(dir, name, platform::kMaxPath, path);
}

StringIntMap& hookStateMap() {
    static StringIntMap map;
    return map;
}

void LoadHookState() {
    std::unique_ptr<platform::File> file = OpenHookStateFile(platform::OpenMode::ReadText);
    if (!file)
        return;
    ConfigModel& model = configModel();
    StringIntMap& map = hookStateMap();
    CollectedLines lines;
    try {
        // A file written from the catalogue has a line for every event.
        lines = CollectLines(*file, map,
                             EventCount(model.apiCategories) +
                                 (model.isWin9x ? EventCount(model.vxdApiCategories) : 0));
    } catch (const std::bad_alloc&) {
        // A file too large to collect is treated as no file: every flag stays as it was.
        map.RemoveAll();
        return;
    }
    file->Close();
    size_t next = 0;
    ApplyStates(model.apiCategories, map, lines, &next);
    if (model.isWin9x)
        ApplyStates(model.vxdApiCategories, map, lines, &next);
    map.RemoveAll();
}

void SaveHookState() {
    const ConfigModel& model = configModel();
    // Without categories there are no events to write: the choices the file holds stay. A
    // catalogue whose version reads as missing (FF) still brought its categories, and the user's
    // choices among them are written.
    if (model.apiCategories.Count() == 0 && model.vxdApiCategories.Count() == 0)
        return;
    std::unique_ptr<platform::File> file = OpenHookStateFile(platform::OpenMode::WriteBinary);
    if (!file)
        return;
    WriteLines(*file, model.apiCategories);
    if (model.isWin9x)
        WriteLines(*file, model.vxdApiCategories);
    file->Close();
}

} // namespace kelvd
