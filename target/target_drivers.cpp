#include "target/target_drivers.h"

#include "drivers/display_drivers.h"
#include "drivers/excluded_drivers.h"
#include "model/config_model.h"
#include "platform/foreign_call.h"
#include "platform/service_manager.h"
#include "target/target_display_list.h"
#include "target/target_key.h"

#include <algorithm>
#include <memory>
#include <new>
#include <optional>

namespace kelvd {

namespace {

constexpr const char* kServicesKey = "SYSTEM\\ControlSet001\\Services";
constexpr uint32_t kNameUnits = 256;
constexpr uint32_t kSystemStart = 1;
// A target that claims more service keys than this is read only that far.
constexpr uint32_t kMaxServiceKeys = 65536;

// A work buffer for string values: 16386 bytes, of which the queries offer 8193. A host that
// counts the size in bytes writes at most half the buffer, one that counts characters fills it
// at most, so neither writes past it. The text is taken up to its first zero within the buffer,
// so a value without a terminator, or with a size larger than the buffer, still gives a text that
// ends inside it. Before every query the buffer is zero as far as an earlier query may have
// written: the size it reported, counted as characters, or its text and terminator, whichever
// reaches further (it starts all zero), so that an unterminated value ends where its own data
// does, not in what an earlier value left.
class ValueBuffer {
public:
    static constexpr uint32_t kUnits = 8193;
    static constexpr uint32_t kQuerySize = 8193;

    bool Allocated() const { return units_ != nullptr; }

    // The text of a string value (REG_SZ, REG_EXPAND_SZ or REG_MULTI_SZ, or of no reported
    // type); nothing when it is missing or of another type.
    std::optional<TargetString> QueryText(const TargetKey& key, const char* name) {
        std::fill(units_.get(), units_.get() + written_, KelvdTargetChar{0});
        uint32_t type = kTypeNotReported, size = kQuerySize;
        const bool read = key.Query(name, &type, units_.get(), &size);
        TargetString text = TextOfUnits(units_.get(), kUnits);
        written_ = std::min<size_t>(kUnits, std::max<size_t>(size, text.size() + 1));
        if (!read || (type != platform::reg::kSz && type != platform::reg::kExpandSz &&
                      type != platform::reg::kMultiSz && type != kTypeNotReported))
            return std::nullopt;
        return text;
    }

private:
    std::unique_ptr<KelvdTargetChar[]> units_{new (std::nothrow) KelvdTargetChar[kUnits]()};
    size_t written_ = 0; // how far the buffer may hold data
};

struct Inventory {
    ValueBuffer imagePaths;
    ValueBuffer values;
    std::string displayList;
};

// The display driver of a video service: its "Device0" key's first installed display driver.
void AddTargetDisplayDriver(const TargetKey& service, Inventory& inventory) {
    TargetKey device(service.target());
    if (!device.Open(service.get(), Widen("Device0"), platform::reg::kRead))
        return;
    std::optional<TargetString> installed =
        inventory.values.QueryText(device, "InstalledDisplayDrivers");
    if (!installed)
        return;
    const std::string first = ToModelText(*installed);
    if (configModel().displayDrivers.Append(DisplayDriverRow(first + ".dll", std::string())))
        inventory.displayList += first + ";";
}

// Offers the service of a subkey of the services key, unless it is no driver or excluded.
void AddTargetService(const TargetKey& services, const TargetString& keyName,
                      Inventory& inventory) {
    TargetKey service(services.target());
    uint32_t type = 0;
    if (!service.Open(services.get(), keyName, platform::reg::kRead) ||
        !service.QueryDword("Type", &type) || !(type & platform::svc::kDriver))
        return;
    DriverEntry row;
    row.path = ToModelText(keyName);
    std::optional<TargetString> imagePath = inventory.imagePaths.QueryText(service, "ImagePath");
    const std::string fileName =
        imagePath ? FileNamePart(ToModelText(*imagePath).c_str()) : row.path + ".SYS";
    if (IsExcludedDriver(fileName.c_str()))
        return;
    const TargetString group =
        inventory.values.QueryText(service, "Group").value_or(TargetString());
    row.group = ToModelText(group);
    row.description =
        ToModelText(inventory.values.QueryText(service, "DisplayName").value_or(TargetString()));
    uint32_t start = 0;
    if (service.QueryDword("Start", &start)) {
        row.startType = static_cast<int32_t>(start);
        // Only a group of exactly "Video" marks a display service.
        if (start == kSystemStart && group == Widen("Video"))
            AddTargetDisplayDriver(service, inventory);
    }
    configModel().drivers.Append(row);
}

// The name of the subkey at index, or nothing past the last.
std::optional<TargetString> ServiceKeyName(const TargetKey& services, uint32_t index) {
    const TargetRegistry& table = services.target();
    KelvdTargetChar name[kNameUnits] = {};
    uint32_t length = kNameUnits;
    KelvdTargetFileTime written{};
    if (!table.EnumKey || platform::CallForeign(table.EnumKey, services.get(), index, name, &length,
                                                nullptr, nullptr, nullptr, &written))
        return std::nullopt;
    return TextOfUnits(name, kNameUnits);
}

} // namespace

void EnumerateTargetDrivers(const TargetRegistry& target) {
    std::string displayList;
    {
        TargetKey services(target);
        if (!services.Open(KELVD_TARGET_ROOT, Widen(kServicesKey), platform::reg::kRead))
            return;
        auto inventory = std::make_unique<Inventory>();
        if (!inventory->imagePaths.Allocated() || !inventory->values.Allocated())
            return;
        // A full drivers table takes no more rows, so the enumeration ends there.
        for (uint32_t index = 0; index < kMaxServiceKeys && !configModel().drivers.IsFull();
             ++index) {
            std::optional<TargetString> name = ServiceKeyName(services, index);
            if (!name)
                break;
            AddTargetService(services, *name, *inventory);
        }
        displayList = std::move(inventory->displayList);
    }
    SaveTargetDisplayDrivers(displayList);
}

} // namespace kelvd
