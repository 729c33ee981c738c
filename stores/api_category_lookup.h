// Finding an API category by name, as a configuration file names it.
#pragma once

#include "model/config_model.h"
#include "stores/name_index.h"

#include <cstdint>

namespace kelvd {

// The names of both category tables of a model, indexed once for many lookups. The model's
// names must stay unchanged while the lookup is in use.
class ApiCategoryLookup {
public:
    explicit ApiCategoryLookup(const ConfigModel& model);

    // A name that begins with "[" is taken without it, up to its first "]". The index of the
    // first category of apiCategories with that name (compared ignoring case), else of the first
    // one of vxdApiCategories, else -1. The index does not say which table matched.
    int32_t Find(const char* name) const;

private:
    NameIndex api_;
    NameIndex vxdApi_;
};

// ApiCategoryLookup(configModel()).Find(name).
int32_t FindApiCategory(const char* name);

} // namespace kelvd
