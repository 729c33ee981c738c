#include "stores/api_catalogue.h"

#include "model/runtime_numbers.h"
#include "stores/install_dirs.h"
#include "stores/text_line.h"

#include <new>
#include <string>
#include <vector>

namespace kelvd {

namespace {

constexpr uint32_t kCatalogueDirBufferSize = 256;

// Reads the items of one catalogue, line by line. A line that is not there ends the read: a
// catalogue shorter than its counts is damaged, and taking the repeated last line for the
// missing ones (as a bare line reader would) would invent categories and events.
class CatalogueReader {
public:
    explicit CatalogueReader(platform::File& stream) : lines_(stream) {}

    bool Line() { return lines_.Next(&line_); }
    bool Decimal(int32_t* value) {
        if (!Line())
            return false;
        *value = ParseDecimal(line_.data());
        return true;
    }
    // A name line, cut at the 79 characters its field holds.
    bool Name(std::string* name) {
        if (!Line())
            return false;
        name->assign(line_.substr(0, ApiCategory::kMaxNameLength));
        return true;
    }
    const char* text() const { return line_.data(); }

    // The count line of a table, and that many category blocks.
    bool Table(CategoryTable& table) {
        int32_t count;
        if (!Decimal(&count) || count < 0 || count > kMaxCategories)
            return false;
        for (int32_t i = 0; i < count; ++i) {
            ApiCategory* category = table.AppendSlot();
            if (!category || !Category(*category))
                return false;
        }
        return true;
    }

private:
    bool Category(ApiCategory& category) {
        category.ReleaseEvents();
        int32_t eventCount, checkState, tag;
        if (!Name(&category.name) || !Decimal(&eventCount) || eventCount < 0 ||
            !Decimal(&checkState) || !Decimal(&tag))
            return false;
        // A tri-state outside 0..2 is outside the format; 0 agrees with the flags, all 0 here.
        category.checkState = checkState >= 0 && checkState <= 2 ? checkState : 0;
        category.tag = tag;
        // The names are gathered before the arrays are made, so a damaged count costs no more
        // memory than the lines that are really there.
        std::vector<std::string> names;
        for (int32_t i = 0; i < eventCount; ++i) {
            names.emplace_back();
            if (!Name(&names.back()))
                return false;
        }
        category.AllocateEvents(static_cast<uint32_t>(eventCount));
        category.eventNames = std::move(names);
        return true;
    }

    TextLineReader lines_;
    std::string_view line_; // followed by a NUL
};

} // namespace

std::optional<uint32_t> ParseApiCatalogue(platform::File& stream, bool win9x, CategoryTable& api,
                                          CategoryTable& vxdApi) {
    ReleaseCategories(api);
    ReleaseCategories(vxdApi);
    CatalogueReader reader(stream);
    bool complete = false;
    uint32_t version = 0;
    try {
        if (reader.Line()) {
            version = ParseHex32(reader.text());
            complete = reader.Table(api) && (!win9x || reader.Table(vxdApi));
        }
    } catch (const std::bad_alloc&) {
        complete = false; // treated as an unreadable catalogue
    }
    if (!complete) {
        ReleaseCategories(api);
        ReleaseCategories(vxdApi);
        return std::nullopt;
    }
    return version;
}

uint32_t ReadApiCatalogue() {
    ConfigModel& model = configModel();
    ReleaseCategories(model.apiCategories);
    ReleaseCategories(model.vxdApiCategories);
    // The directory is read into 256 bytes as the catalogue's own lookup does; one that does
    // not fit fails here rather than being cut, since a cut path names another file.
    std::string path;
    if (!ReadInstallDir(kSuiteKey, kCatalogueDirBufferSize, &path))
        return kNoCatalogue;
    path += model.isWin9x ? "\\KELVD9X.API" : "\\KELVD.API";
    std::unique_ptr<platform::File> stream =
        platform::fileSystem().Open(path.c_str(), platform::OpenMode::ReadText);
    if (!stream)
        return kNoCatalogue;
    return ParseApiCatalogue(*stream, model.isWin9x, model.apiCategories, model.vxdApiCategories)
        .value_or(kNoCatalogue);
}

} // namespace kelvd
