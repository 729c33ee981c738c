// Calls into code the library did not build: the Forgeline applet's export and the slots of a
// host's TargetRegistry. On 32-bit x86 such a function may pop its own arguments (__stdcall) or
// leave them to the caller (__cdecl), and nothing tells the library which one the applet or the
// host was built with. CallForeign puts the stack pointer back where it was after the call, so
// either convention returns safely. Other processors have one calling convention.
#pragma once

#include <cstdint>
#include <type_traits>

namespace platform {

#if defined(__i386__)
// Pushes words[count - 1] down to words[0], calls function and restores the stack pointer from
// the frame, whatever the callee popped. Returns what the callee left in eax.
extern "C" uint32_t CallKeepingStack(const void* function, const uint32_t* words,
                                     uint32_t count) __asm__("kelvd_call_keeping_stack");

// An argument as the 32-bit stack slot it takes.
template <typename T> uint32_t StackWord(T value) {
    static_assert(sizeof(T) <= sizeof(uint32_t), "every argument takes one 32-bit slot");
    if constexpr (std::is_null_pointer_v<T>)
        return 0;
    else if constexpr (std::is_pointer_v<T>)
        return static_cast<uint32_t>(reinterpret_cast<std::uintptr_t>(value));
    else
        return static_cast<uint32_t>(value);
}
#endif

// function(args...), returning its 32-bit status or result, whatever the callee's convention.
template <typename Function, typename... Args>
int32_t CallForeign(Function function, Args... args) {
#if defined(__i386__)
    const uint32_t words[] = {StackWord(args)..., 0};
    return static_cast<int32_t>(
        CallKeepingStack(reinterpret_cast<const void*>(function), words, sizeof...(Args)));
#else
    return function(args...);
#endif
}

} // namespace platform
