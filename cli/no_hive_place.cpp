// The Windows builds reach no offline hive: the hive library is Linux's.
#include "cli/command_error.h"
#include "cli/place.h"

namespace kelvcfg {

std::unique_ptr<Place> OpenHivePlace(const PlaceAddress& address, Access, Journal&) {
    throw CommandError(kUsage, "hive " + address.path + ": offline hives are for the Linux build");
}

} // namespace kelvcfg
