// The version-resource reader of image files over arbitrary bytes: finding the resource, then
// the strings a driver's description is taken from.
#include "fuzz/fuzz_check.h"
#include "platform/pe_version_resource.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> resource;
    if (!platform::FindVersionResource(data, size, &resource))
        return 0;
    for (const char* key :
         {"\\StringFileInfo\\040904B0\\FileDescription", "\\StringFileInfo\\040904b0\\ProductName",
          "\\StringFileInfo\\040704B0\\FileDescription", "\\", ""}) {
        std::u16string value;
        if (platform::FindVersionString(resource.data(), resource.size(), key, &value))
            FUZZ_CHECK(value.size() <= resource.size());
    }
    return 0;
}
