#include "cli/place.h"

#include "cli/command_error.h"

namespace kelvcfg {

std::unique_ptr<Place> OpenPlace(const PlaceAddress& address, Access access, Journal& journal) {
    switch (address.kind) {
    case PlaceAddress::Kind::Hive:
        return OpenHivePlace(address, access, journal);
    case PlaceAddress::Kind::Config:
        return OpenConfigPlace(address.path, access);
    case PlaceAddress::Kind::Local:
        break;
    }
    return OpenLocalPlace();
}

std::string HookStateLoss() {
    return "the hook-state file would be written without any event";
}

} // namespace kelvcfg
