/*
 * Entry points and dispatch slots, generated from the export list.
 *
 * Each dispatched export is one indirect jump through its own slot: no frame,
 * no register or stack argument touched, so every prototype (stack arguments,
 * double and 64-bit scalars included) reaches y8_<name> exactly as the caller
 * passed it, and y8_<name> returns straight to the caller.
 *
 * The slots lie together in writable data, in export order.  Each holds the
 * address of its own implementation, filled in by the loader (a relative
 * relocation), and nothing but its entry point reads it.  The slots stay
 * local symbols: they are not part of the exported interface.
 */
#define VDX_DISPATCH(name)                                              \
    .section .data.vdxs_slots, "aw", @progbits;                         \
    .balign 8;                                                          \
    .type name##_arraddr, @object;                                      \
    .size name##_arraddr, 8;                                            \
name##_arraddr:                                                         \
    .quad y8_##name;                                                    \
    .text;                                                              \
    .balign 16;                                                         \
    .globl name;                                                        \
    .type name, @function;                                              \
name:                                                                   \
    jmp *name##_arraddr(%rip);                                          \
    .size name, . - name;

#define VDX_IN_PLACE(name)

#include "abi/exports.def"

    .section .note.GNU-stack, "", @progbits
