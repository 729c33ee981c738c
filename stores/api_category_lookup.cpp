#include "stores/api_category_lookup.h"

#include <string>

namespace kelvd {

namespace {

std::vector<int32_t> AddNames(NameIndex& index, const CategoryTable& table) {
    std::vector<int32_t> firstEqual(table.Count());
    for (uint32_t i = 0; i < table.Count(); ++i)
        firstEqual[i] = index.Add(table[i].name, static_cast<int32_t>(i));
    return firstEqual;
}

} // namespace

ApiCategoryLookup::ApiCategoryLookup(const ConfigModel& model)
    : apiTable_(model.apiCategories), api_(model.apiCategories.Count()),
      vxdApi_(model.vxdApiCategories.Count()) {
    apiFirstEqual_ = AddNames(api_, model.apiCategories);
    AddNames(vxdApi_, model.vxdApiCategories);
}

int32_t ApiCategoryLookup::Find(const char* name) const {
    return Find(name, apiFirstEqual_.size());
}

int32_t ApiCategoryLookup::Find(const char* name, size_t position) const {
    std::string bare;
    if (name[0] == '[') {
        bare = name + 1;
        size_t close = bare.find(']');
        if (close != std::string::npos)
            bare.resize(close);
        name = bare.c_str();
    }
    if (position < apiFirstEqual_.size() && apiTable_[position].name == name)
        return apiFirstEqual_[position];
    int32_t index = api_.Find(name);
    return index >= 0 ? index : vxdApi_.Find(name);
}

int32_t FindApiCategory(const char* name) {
    return ApiCategoryLookup(configModel()).Find(name);
}

} // namespace kelvd
