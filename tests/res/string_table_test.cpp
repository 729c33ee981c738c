// The library's texts word for word, apart from the table they are built from, and in the DLL.
#include "res/string_table.h"

#ifdef _WIN32
#include "platform/win32/windows_support.h"
#endif

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

using namespace kelvd;

struct Text {
    uint32_t id;
    const char* text;
};

const Text kTexts[] = {
    {1501, "There is already a driver by this name in the list.  Driver will not be added."},
    {1503, "You must specify a stack threshold between 0x400 and 0x2800."},
    {1504, "The Kelvarin event buffer must be at least 1024 KB in size."},
    {1507, "Kitwright has created a Farhand configuration file named KVCONFIG.REG and placed it in "
           "the Farhand directory. The redistributable installation also located in that "
           "directory uses this configuration file. Include it when you send Farhand to a "
           "customer site. \n"},
    {1510, "Unable to find KELVD.API.  Please re-install Forgeline."},
    {1514, "Kelvarin Driver Files (*.kwt)|*.kwt|All Files (*.*)|*.*||"},
    {1515, "Drivers (*.sys)|*.sys|All Files (*.*)|*.*||"},
    {1516, "Unable to open file KVConfig.REG for writing"},
    {1520, "Kelvarin Settings"},
    {1521, "Configure Kelvarin Settings for use with Farhand"},
    {1522, "Drivers (*.vxd)|*.vxd|All Files (*.*)|*.*||"},
    {1523, "Due to the overhead of Kelvarin, the Kelvarin and Tempora drivers are not compatible.  "
           "The Tempora driver has been disabled on this system.  A reboot is required to "
           "properly unload the Tempora driver and load the Kelvarin driver."},
    {1525, "Error accessing Forgeline control panel!"},
    {1526, "No more drivers can be added: the list of added drivers is full.  Driver will not be "
           "added."},
};

TEST(StringTable, EveryTextWordForWordAndNoOther) {
    size_t held = 0;
    for (uint32_t id = 1000; id < 1600; ++id) {
        const Text* expected = std::find_if(std::begin(kTexts), std::end(kTexts),
                                            [id](const Text& text) { return text.id == id; });
        EXPECT_EQ(expected != std::end(kTexts) ? expected->text : "", std::string(TableString(id)))
            << id;
        held += *TableString(id) != '\0';
    }
    EXPECT_EQ(std::size(kTexts), held);
}

#ifdef _WIN32
TEST(StringTable, CompiledIntoTheLibraryWordForWord) {
    HMODULE library = LoadLibraryA("kelvdcfg.dll");
    ASSERT_NE(nullptr, library);
    for (const Text& text : kTexts) {
        char buffer[1024] = "";
        int length = LoadStringA(library, text.id, buffer, sizeof buffer);
        EXPECT_EQ(text.text, std::string(buffer, length > 0 ? length : 0)) << text.id;
    }
}
#endif

} // namespace
