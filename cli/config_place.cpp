// A configuration file (*.kwt), read and replaced whole: it brings its own drivers, its event
// flags and the six settings; the API catalogue gives the categories its flags are applied to.
#include "cli/command_error.h"
#include "cli/file_access.h"
#include "cli/place.h"

#include "model/config_model.h"
#include "platform/file_system.h"
#include "stores/config_file.h"
#include "stores/settings_file_header.h"

namespace kelvcfg {

namespace {

class ConfigPlace final : public Place {
public:
    ConfigPlace(std::string path, Access access) : path_(std::move(path)) {
        const std::string why = access == Access::Change ? WhyNotReplaceable(path_) : "";
        if (!why.empty())
            throw CommandError(kUnwritable, "cannot write " + path_ + ": " + why);
    }

    std::string Description() const override { return "configuration file " + path_; }

    kelvd::ScalarSettings Load(kelvd::ModelLoader& loader) override {
        loader.LoadCatalogueOnly(0);
        uint8_t header[kelvd::SettingsFileHeader::kSize];
        std::unique_ptr<platform::File> file =
            platform::fileSystem().Open(path_.c_str(), platform::OpenMode::ReadBinary);
        if (!file || file->Read(header, sizeof header) != sizeof header)
            throw CommandError(kUnreadable, "cannot read " + path_ +
                                                ": no configuration file (shorter than its " +
                                                "72-byte header, or missing)");
        const kelvd::SettingsFileHeader decoded = kelvd::SettingsFileHeader::Decode(header);
        fileCategories_ = decoded.apiCategories.count + decoded.vxdApiCategories.count;
        std::optional<kelvd::ScalarSettings> settings = kelvd::LoadConfigFile(path_);
        if (!settings)
            throw CommandError(kUnreadable, "cannot read " + path_);
        return *settings;
    }

    void LoadDrivers(kelvd::ModelLoader& loader) override { Load(loader); }

    void Store(const kelvd::ScalarSettings& settings) override {
        kelvd::SaveConfigFile(path_, settings);
    }

    void StoreSelection(const kelvd::ScalarSettings& settings) override { Store(settings); }

    std::string LossWithoutCatalogue(bool) const override {
        if (fileCategories_ == 0)
            return std::string();
        return "the " + std::to_string(fileCategories_) + " API categories of " + path_ +
               " would be lost";
    }

private:
    std::string path_;
    uint32_t fileCategories_ = 0;
};

} // namespace

std::unique_ptr<Place> OpenConfigPlace(const std::string& path, Access access) {
    return std::make_unique<ConfigPlace>(path, access);
}

} // namespace kelvcfg
