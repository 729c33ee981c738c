#include "platform/foreign_call.h"

#if defined(__i386__)
// The frame pointer (ebp) is kept by the callee in both conventions, so the stack pointer is set
// back from it after the call: a callee that popped its arguments and one that did not leave the
// same stack behind. ecx and edx, which the callee may change, are used only before the call.
__asm__(".text\n"
        ".globl kelvd_call_keeping_stack\n"
        "kelvd_call_keeping_stack:\n"
        "    pushl %ebp\n"
        "    movl %esp, %ebp\n"
        "    movl 12(%ebp), %edx\n" // words
        "    movl 16(%ebp), %ecx\n" // count
        "1:  testl %ecx, %ecx\n"
        "    jz 2f\n"
        "    decl %ecx\n"
        "    pushl (%edx,%ecx,4)\n"
        "    jmp 1b\n"
        "2:  call *8(%ebp)\n"
        "    movl %ebp, %esp\n"
        "    popl %ebp\n"
        "    ret\n");
#endif
