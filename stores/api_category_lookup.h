// Finding an API category by name, as a configuration file names it.
#pragma once

#include "model/config_model.h"
#include "stores/name_index.h"

#include <cstddef>
#include <cstdint>
#include <vector>

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
    // The same, tried first against the API category at position, where a file saved from the
    // same catalogue has it: a name equal to that one byte for byte needs no lookup.
    int32_t Find(const char* name, size_t position) const;

private:
    const CategoryTable& apiTable_;
    NameIndex api_;
    NameIndex vxdApi_;
    std::vector<int32_t> apiFirstEqual_; // per API category, the first of its name
};

// ApiCategoryLookup(configModel()).Find(name).
int32_t FindApiCategory(const char* name);

} // namespace kelvd
