// Calls into code the library did not build come back to a sound stack whatever the callee's
// calling convention: the applet's export or a host's slot declared __stdcall and built __cdecl.
#include "platform/foreign_call.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace platform {

namespace {

#ifdef _WIN32
#define KELVD_TEST_CONVENTION(name) __##name
#else
#define KELVD_TEST_CONVENTION(name)
#endif

// The arguments in order, each in a decimal digit of the result.
int32_t KELVD_TEST_CONVENTION(cdecl)
    PlainC(uint32_t first, uint32_t second, const uint32_t* third) {
    return static_cast<int32_t>(first * 100 + second * 10 + *third);
}

int32_t KELVD_TEST_CONVENTION(stdcall)
    Pascal(uint32_t first, uint32_t second, const uint32_t* third) {
    return static_cast<int32_t>(first * 100 + second * 10 + *third);
}

using Declared = int32_t(KELVD_TEST_CONVENTION(stdcall) *)(uint32_t, uint32_t, const uint32_t*);

// What a host's compiler stores in a slot of the declared type.
template <typename Function> Declared AsDeclared(Function* function) {
    return reinterpret_cast<Declared>(reinterpret_cast<void*>(function));
}

} // namespace

// A million calls: a callee that leaves its 12 bytes of arguments on a stack the caller thinks
// it popped moves the stack by 12 MB, past its end, unless the call puts it back.
TEST(ForeignCall, EitherConventionGetsItsArgumentsInOrderAndLeavesTheStackAsItWas) {
    const uint32_t third = 3;
    for (Declared function : {AsDeclared(&PlainC), AsDeclared(&Pascal)})
        for (int call = 0; call < 1000000; ++call)
            ASSERT_EQ(123, CallForeign(function, 1u, 2u, &third)) << call;
}

} // namespace platform
