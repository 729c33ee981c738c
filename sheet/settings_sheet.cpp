#include "sheet/settings_sheet.h"

#include "framework/message_map.h"
#include "platform/system_info.h"
#include "res/resource.h"
#include "res/string_table.h"
#include "sheet/stored_configuration.h"
#include "stores/config_file.h"
#include "stores/registry_store.h"
#include "target/target_store.h"

#include <optional>

namespace kelvd {

namespace {

constexpr platform::SheetLayout kSheetLayout = {IDD_SETTINGS_SHEET, IDC_PAGE_TREE, IDC_PAGE_CAPTION,
                                                IDC_PAGE_PLACEHOLDER};

platform::FileDialogRequest ConfigFileRequest(bool open, uint32_t flags) {
    return {open, TableString(kStrConfigFileFilter), "kwt", flags};
}

} // namespace

SettingsSheet::SettingsSheet(uint32_t titleId, uint32_t mode, const TargetRegistry* target)
    : CoolSheet(titleId, kSheetLayout), target_(target) {
    ConfigModel& model = configModel();
    model.isWin9x = platform::systemInfo().PlatformId() == platform::kPlatformWin9x;
    if (mode != kFarhandExport)
        AddCoolPage(&general_);
    AddCoolPage(&drivers_);
    AddCoolPage(&events_);
    if (model.isWin9x) {
        AddCoolPage(&vxds_);
        AddCoolPage(&vxdApis_);
    }
    AddCoolPage(&memoryTrack_);
    AddCoolPage(&advanced_);
    model.runMode = mode;
}

const TargetRegistry* SettingsSheet::EmbeddedTarget() const {
    static const TargetRegistry kNoTarget{};
    if (configModel().runMode != kEmbeddedTarget)
        return nullptr;
    return target_ ? target_ : &kNoTarget;
}

bool SettingsSheet::LoadModel() {
    return loader_.LoadModel(Handle(), EmbeddedTarget());
}

void SettingsSheet::SaveToRegistry() {
    kelvd::SaveToRegistry(Scalars().Read());
}

void SettingsSheet::LoadFromRegistry() {
    if (std::optional<ScalarSettings> settings = kelvd::LoadFromRegistry())
        Scalars().Apply(*settings);
}

void SettingsSheet::SaveConfigFile(const std::string& path) {
    kelvd::SaveConfigFile(path, Scalars().Read());
}

void SettingsSheet::LoadConfigFile(const std::string& path) {
    if (std::optional<ScalarSettings> settings = kelvd::LoadConfigFile(path))
        Scalars().Apply(*settings);
}

void SettingsSheet::SaveToTarget() {
    if (const TargetRegistry* target = EmbeddedTarget())
        kelvd::SaveToTarget(*target, Scalars().Read());
}

void SettingsSheet::StoreSelection() {
    kelvd::StoreSelection(Scalars().Read());
}

void SettingsSheet::LoadFromTarget() {
    if (const TargetRegistry* target = EmbeddedTarget())
        if (std::optional<ScalarSettings> settings = kelvd::LoadFromTarget(*target))
            Scalars().Apply(*settings);
}

bool SettingsSheet::OnInitDialog() {
    platform::CursorControl& cursor = Window()->Cursor();
    platform::CursorHandle previous = cursor.Set(cursor.Wait());
    // A failed load still shows the sheet, with empty lists.
    LoadModel();
    if (std::optional<ScalarSettings> settings = LoadStoredConfiguration(EmbeddedTarget()))
        Scalars().Apply(*settings);
    bool result = CoolSheet::OnInitDialog();
    drivers_.FillDriverList();
    if (configModel().isWin9x)
        vxds_.FillVxdList();
    cursor.Set(previous);
    return result;
}

void SettingsSheet::OnOK() {
    if (uint32_t failure = advanced_.FirstValidationFailure()) {
        platform::messageBoxes().Show(Handle(), TableString(failure), nullptr, platform::kMbOk);
        return;
    }
    StoreConfiguration(configModel().runMode, EmbeddedTarget(), Scalars().Read(), Handle());
    ReleaseModel();
    CoolSheet::OnOK();
}

void SettingsSheet::OnCancel() {
    ReleaseModel();
    CoolSheet::OnCancel();
}

bool SettingsSheet::OnCommand(int controlId, int code) {
    using Sheet = SettingsSheet;
    return DispatchCommand(*this,
                           {{IDC_SAVE_CONFIG_AS, platform::kBnClicked, &Sheet::OnSaveAs},
                            {IDC_LOAD_CONFIG, platform::kBnClicked, &Sheet::OnLoad}},
                           controlId, code) ||
           CoolSheet::OnCommand(controlId, code);
}

void SettingsSheet::OnSaveAs() {
    std::string path;
    if (Window()->ChooseFile(
            ConfigFileRequest(false, platform::kOfnOverwritePrompt | platform::kOfnPathMustExist),
            &path))
        SaveConfigFile(path);
}

void SettingsSheet::OnLoad() {
    std::string path;
    if (!Window()->ChooseFile(
            ConfigFileRequest(true, platform::kOfnFileMustExist | platform::kOfnHideReadOnly),
            &path))
        return;
    LoadConfigFile(path);
    // The general page keeps showing its earlier choice; its values are the loaded ones.
    drivers_.FillDriverList();
    events_.FillCategoryList();
    if (configModel().isWin9x) {
        vxds_.FillVxdList();
        vxdApis_.FillCategoryList();
    }
    advanced_.ShowSettings();
    memoryTrack_.ShowSettings();
}

} // namespace kelvd
