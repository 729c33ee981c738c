// The version-resource reader of image files (PE, NE, VxD) over arbitrary bytes: finding the
// resource in the bytes and reading it from them as a file (the two must agree), in another
// language too, then the strings a driver's description is taken from.
#include "fuzz/fuzz_check.h"
#include "platform/image_version_resource.h"
#include "platform/substitute/memory_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<uint8_t> resource, read;
    const bool found = platform::FindVersionResource(data, size, &resource);
    platform::MemoryFile file(std::string(reinterpret_cast<const char*>(data), size));
    FUZZ_CHECK(found == platform::ReadImageVersionResource(file, &read));
    FUZZ_CHECK(resource == read);
    // Every language's resource must be sound, so whether one is found does not depend on the
    // language taken.
    std::vector<uint8_t> german;
    FUZZ_CHECK(found ==
               platform::FindVersionResource(data, size, &german, {0x0407, 0x0407, 0x0407}));
    if (!found)
        return 0;
    for (const char* key :
         {"\\StringFileInfo\\040904B0\\FileDescription", "\\StringFileInfo\\040904b0\\ProductName",
          "\\StringFileInfo\\040704B0\\FileDescription", "\\", ""}) {
        std::string value;
        if (platform::FindVersionString(resource.data(), resource.size(), key, &value))
            FUZZ_CHECK(value.size() <= resource.size());
    }
    return 0;
}
