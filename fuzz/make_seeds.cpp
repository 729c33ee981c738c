// Writes the fuzzers' seed corpora, each made by the library's own writers: the hook-state file,
// configuration files, the registry store's values, a recording of a real session with an
// in-memory embedded target in the target fuzzer's answer format, and a SYSTEM hive holding driver
// services and the checker's key as the embedded target store writes it. The memory lists of
// Windows 9x have no writer in the library; their seeds are laid out here as the checker lays them.
// The image reader's seeds are the images of the tests' builder, sound ones and every damaged one.
//   make_seeds <directory>   writes <directory>/<fuzzer>/<seed>
#include "cli/hive.h"
#include "cli/hive_target.h"
#include "doubles/legacy_images.h"
#include "doubles/memory_target.h"
#include "doubles/system_hive.h"
#include "drivers/checker_device.h"
#include "fuzz/fuzz_support.h"
#include "model/config_model.h"
#include "platform/registry.h"
#include "stores/config_file.h"
#include "stores/hook_state_file.h"
#include "stores/registry_store.h"
#include "target/target_drivers.h"
#include "target/target_key.h"
#include "target/target_store.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

using namespace kelvd;
using namespace kelvd::fuzz;

std::filesystem::path root;

void WriteSeed(const char* fuzzer, const std::string& name, const std::string& bytes) {
    std::filesystem::create_directories(root / fuzzer);
    std::ofstream(root / fuzzer / name, std::ios::binary) << bytes;
}

void AppendWord32(std::string& bytes, uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        bytes += static_cast<char>(value >> shift);
}

// A model with some rows and flags set, as a user leaves it.
void MarkSome(bool win9x) {
    ResetModel(win9x);
    ConfigModel& model = configModel();
    model.drivers[0].checkState = 1;
    model.displayDrivers[0].checkState = 2;
    model.vxds[1].checkState = 1;
    model.apiCategories[0].eventFlags = {1, 0, 1};
    model.apiCategories[0].checkState = 2;
    model.vxdApiCategories[0].eventFlags = {1, 1};
}

void FileSeeds(World& world) {
    for (bool win9x : {false, true}) {
        const std::string platform(1, win9x ? '\1' : '\0');
        MarkSome(win9x);
        world.files.files.clear();
        SaveHookState();
        for (const auto& [path, content] : world.files.files)
            WriteSeed("hook_state", win9x ? "win9x" : "nt", platform + content);
        SaveConfigFile("C:\\seed.kwt", world.settings);
        WriteSeed("config_file", win9x ? "win9x" : "nt",
                  platform + world.files.files["C:\\seed.kwt"]);
    }
}

void RegistrySeed(World& world) {
    MarkSome(false);
    SaveToRegistry(world.settings);
    const char* const names[] = {"MemUsage", "StackThreshold",          "DRPopup",
                                 "Start",    "NumGuardBytes",           "MemTrackingOn",
                                 "Driver",   "InstalledDisplayDrivers", "UserDriver",
                                 "Memory"};
    platform::KeyHandle key;
    key.Open(platform::kLocalMachine, kServiceKey, platform::reg::kRead);
    std::string seed;
    for (uint8_t i = 0; i < sizeof names / sizeof *names; ++i) {
        std::vector<uint8_t> bytes;
        uint32_t type = 0, size = 0;
        if (platform::registry().QueryValue(key.get(), names[i], &type, nullptr, &size) != 0 ||
            !key.QueryBytes(names[i], &bytes))
            continue;
        seed += static_cast<char>(i);
        seed += static_cast<char>(type);
        seed += static_cast<char>(bytes.size());
        seed += static_cast<char>(bytes.size() >> 8);
        seed.append(bytes.begin(), bytes.end());
    }
    WriteSeed("registry_store", "saved", seed);
}

// The target fuzzer's answers, recorded from a real in-memory target.
std::string recording;
TargetRegistry* realTarget = nullptr;

int32_t KELVD_TARGET_API RecordOpenKey(uint32_t context, KelvdTargetKey parent,
                                       const KelvdTargetChar* subKey, uint32_t reserved,
                                       uint32_t access, KelvdTargetKey* key) {
    int32_t result = realTarget->OpenKey(context, parent, subKey, reserved, access, key);
    recording += static_cast<char>(result == 0 ? 1 : 0);
    return result;
}

int32_t KELVD_TARGET_API RecordQueryValue(KelvdTargetKey key, const KelvdTargetChar* name,
                                          uint32_t* reserved, uint32_t* type, uint8_t* data,
                                          uint32_t* size) {
    const uint32_t buffer = *size;
    uint32_t reported = buffer;
    uint32_t valueType = 0;
    int32_t result = realTarget->QueryValue(key, name, reserved, &valueType, data, &reported);
    recording += static_cast<char>(result == 0 ? 0x80 : result == 234 ? 0x82 : 0x00);
    if (type)
        recording += static_cast<char>(*type = valueType);
    AppendWord32(recording, reported);
    if (result == 0 && data)
        recording.append(reinterpret_cast<const char*>(data), std::min(reported, buffer));
    *size = reported;
    return result;
}

int32_t KELVD_TARGET_API RecordEnumKey(KelvdTargetKey key, uint32_t index, KelvdTargetChar* name,
                                       uint32_t* nameLength, uint32_t* reserved,
                                       KelvdTargetChar* keyClass, uint32_t* classLength,
                                       KelvdTargetFileTime* lastWrite) {
    int32_t result = realTarget->EnumKey(key, index, name, nameLength, reserved, keyClass,
                                         classLength, lastWrite);
    if (result != 0) {
        recording += '\x10';
        return result;
    }
    recording += '\x01';
    recording += static_cast<char>(*nameLength);
    for (uint32_t i = 0; i < *nameLength; ++i)
        recording += static_cast<char>((name[i] - 'A') % 26);
    return result;
}

void TargetSeed(World& world) {
    MemoryTarget target;
    realTarget = target.table();
    platform::ScopedRegistry scope(target.registry());
    for (const char* service : {"ATAPI", "CDROM", "MGA"}) {
        platform::KeyHandle key;
        key.Create(platform::kLocalMachine,
                   (std::string("System\\ControlSet001\\Services\\") + service).c_str(),
                   platform::reg::kAllAccess);
        key.SetDword("Type", 1);
        key.SetDword("Start", 0);
        key.SetString("DisplayName", service);
    }
    MarkSome(false);
    SaveToTarget(*realTarget, world.settings);

    TargetRegistry recorder = *realTarget;
    recorder.OpenKey = RecordOpenKey;
    recorder.QueryValue = RecordQueryValue;
    recorder.EnumKey = RecordEnumKey;
    recording.clear();
    EnumerateTargetDrivers(recorder);
    LoadFromTarget(recorder);
    WriteSeed("target", "session", recording);
}

void HiveSeed(World& world) {
    const std::string path = (root / "system.hive").string();
    if (!platform::WriteSystemHive(path))
        return;
    {
        std::unique_ptr<kelvcfg::Hive> hive =
            kelvcfg::Hive::Open(path, kelvcfg::Hive::Mode::Change);
        kelvcfg::HiveTarget target(*hive, nullptr);
        for (const char* service : {"ATAPI", "CDROM", "MGA"}) {
            TargetKey key(*target.table());
            key.Create(KELVD_TARGET_ROOT,
                       Widen(std::string("System\\ControlSet001\\Services\\") + service));
            key.SetDword("Type", 1);
            key.SetDword("Start", 0);
        }
        MarkSome(false);
        SaveToTarget(*target.table(), world.settings);
        hive->Commit();
    }
    std::ifstream file(path, std::ios::binary);
    WriteSeed("hive_target", "system",
              std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()));
    std::filesystem::remove(path);
}

// A module list of two entries and a VxD chain of two blocks, as the checker reports them.
void Win9xSeed() {
    std::string seed;
    AppendWord32(seed, 0x80001000); // module list head
    AppendWord32(seed, 0x80003000); // VxD chain head
    auto lay = [&seed](uint32_t address, const std::string& bytes) {
        AppendWord32(seed, address);
        seed += static_cast<char>(bytes.size());
        seed += static_cast<char>(bytes.size() >> 8);
        seed += bytes;
    };
    auto module = [](uint32_t next, uint32_t nameAddress) {
        std::string entry(35, '\0');
        std::memcpy(&entry[0], &next, 4);
        entry[5] = 1;
        std::memcpy(&entry[11], &nameAddress, 4);
        return entry;
    };
    lay(0x80001000, module(0x80001100, 0x80002000));
    lay(0x80001100, module(0, 0x80002010));
    lay(0x80002000, "NDIS    ");
    lay(0x80002010, "SERIAL\0\0");
    auto block = [](uint32_t next, const char* name) {
        std::string entry(80, '\0');
        std::memcpy(&entry[0], &next, 4);
        std::memcpy(&entry[12], name, 8);
        return entry;
    };
    lay(0x80003000, block(0x80003100, "VMM     "));
    lay(0x80003100, block(0, "VCOMM   "));
    WriteSeed("win9x_lists", "two_each", seed);
}

void ImageSeeds() {
    using namespace platform;
    const ImageBytes block = VersionBlock({VersionText(u"FileDescription", u"Seed driver"),
                                           VersionText(u"ProductName", u"Seed product")});
    const ImageBytes block16 = VersionBlock16({VersionText16("FileDescription", "Seed driver"),
                                               VersionText16("ProductName", "Seed product")});
    std::vector<NamedImage> images = DamagedVersionImages(), legacy = DamagedLegacyImages();
    images.insert(images.end(), legacy.begin(), legacy.end());
    images.push_back({"Pe32PlusImage", VersionImage({block})});
    images.push_back({"Pe32Image", VersionImage({block}, false)});
    images.push_back({"TwoLanguages", VersionImage({block, block})});
    images.push_back({"NeImage", NeVersionImage(block16, block)});
    images.push_back({"VxdImage", VxdVersionImage(block16)});
    for (const NamedImage& image : images)
        WriteSeed("image_version", image.name, std::string(image.bytes.begin(), image.bytes.end()));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_seeds <directory>\n");
        return 2;
    }
    root = argv[1];
    World& world = TheWorld();
    FileSeeds(world);
    RegistrySeed(world);
    TargetSeed(world);
    HiveSeed(world);
    Win9xSeed();
    ImageSeeds();
    return 0;
}
