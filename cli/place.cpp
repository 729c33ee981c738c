#include "cli/place.h"

#include "cli/command_error.h"

namespace kelvcfg {

std::unique_ptr<Place> OpenPlace(const PlaceSpec& spec, Access access, Journal& journal,
                                 bool hookStateNamed) {
    switch (spec.kind) {
    case PlaceSpec::Kind::Hive:
        return OpenHivePlace(spec.path, access, journal, hookStateNamed);
    case PlaceSpec::Kind::Config:
        return OpenConfigPlace(spec.path, access);
    case PlaceSpec::Kind::Local:
        break;
    }
    return OpenLocalPlace();
}

std::string HookStateLoss() {
    return "the hook-state file would be written without any event";
}

} // namespace kelvcfg
