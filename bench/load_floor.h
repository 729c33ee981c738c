// The floor of the sheet's first paint: the system calls that its model load is defined by, made
// plainly and in the load's order, without the library's own work. The service manager's
// enumeration and, for each driver service, its opening, the query of its configuration, the
// read of its image and its closing; the display devices' and printer drivers' registry walks,
// with the printer drivers' images; the catalogue read line by line; the stored key's settings
// and lists, with the images of the drivers added by file; the hook-state file read line by
// line. An image is read as the library's version-resource reader reads it (the same bytes,
// recorded once beforehand), and the walks stop where the library's full tables stop it.
#pragma once

#include "image_reads.h"

#include <string>

namespace kelvd::floor {

class LoadFloor {
public:
    // Runs the library's inventory and stored-configuration load once, untimed, to note the
    // images they read and the files they find.
    void Prepare();
    // Makes the load's calls; Prepare first.
    void MakeCalls();
    // What the calls went through, for a line of the report.
    std::string Counts() const;

private:
    void ServiceManagerCalls();
    void DisplayDeviceCalls();
    void PrinterDriverCalls();
    void StoredKeyCalls();

    ImageReads serviceImages_, printerImages_, userDriverImages_;
    std::string cataloguePath_, hookStatePath_;
    size_t services_ = 0, catalogueLines_ = 0, hookStateLines_ = 0;
};

} // namespace kelvd::floor
