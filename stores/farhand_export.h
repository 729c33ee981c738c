// The configuration export for the redistributable Farhand agent: on NT a REGEDIT4 script that
// recreates the checker driver's service key with every setting ("KVConfig.Reg"), on Windows
// 9x the VxD configuration file ("KELVDVXD.CFG"), both in the Farhand directory below the
// product family's install directory.
#pragma once

#include "model/config_model.h"
#include "model/scalar_settings.h"
#include "platform/message_box.h"

#include <string>

namespace kelvd {

constexpr const char* kFarhandSettingsCaption = "Farhand Settings";

// The export's path for the platform; false when the directory and the file name do not fit a
// path buffer of 512 bytes. Without the family's install directory the path starts at the root
// of the current drive.
bool FarhandExportPath(std::string* path);

// Writes the REGEDIT4 script (LF line ends, nothing after the last line), replacing the file.
// When it cannot be created, message 1516 is shown, owned by owner.
void WriteExportRegFile(const std::string& path, const ScalarSettings& settings,
                        platform::WindowHandle owner);

// Appends the bytes of a driver list's state list as two lower-case hex digits each, separated
// by commas, and breaks the line (a backslash, LF and a space after the comma) before a path
// byte once 20 path bytes stand on the line; the 0 bytes and state bytes are not counted. The
// caller appends the list's end (",00\n", or "00\n" for a table without rows).
void AppendHexStateList(std::string& text, const DriverEntry* rows, size_t count);

// The export of the platform into path: the REGEDIT4 script on NT (message 1516, owned by owner,
// when it cannot be created), the VxD configuration file on Windows 9x.
void WriteFarhandExport(const std::string& path, const ScalarSettings& settings,
                        platform::WindowHandle owner);

// The export of the sheet's OK in RunMode 2: the file of the platform, then message 1507 with
// the caption "Farhand Settings", whether or not the file could be written.
void ExportFarhandConfiguration(const ScalarSettings& settings, platform::WindowHandle owner);

} // namespace kelvd
