#include "stores/api_category_lookup.h"

#include <string>

namespace kelvd {

namespace {

void AddNames(NameIndex& index, const CategoryTable& table) {
    for (uint32_t i = 0; i < table.Count(); ++i)
        index.Add(table[i].name, static_cast<int32_t>(i));
}

} // namespace

ApiCategoryLookup::ApiCategoryLookup(const ConfigModel& model)
    : api_(model.apiCategories.Count()), vxdApi_(model.vxdApiCategories.Count()) {
    AddNames(api_, model.apiCategories);
    AddNames(vxdApi_, model.vxdApiCategories);
}

int32_t ApiCategoryLookup::Find(const char* name) const {
    std::string bare;
    if (name[0] == '[') {
        bare = name + 1;
        size_t close = bare.find(']');
        if (close != std::string::npos)
            bare.resize(close);
        name = bare.c_str();
    }
    int32_t index = api_.Find(name);
    return index >= 0 ? index : vxdApi_.Find(name);
}

int32_t FindApiCategory(const char* name) {
    return ApiCategoryLookup(configModel()).Find(name);
}

} // namespace kelvd
