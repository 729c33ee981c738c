// The host's TargetRegistry table, as the public header declares it for hosts.
#pragma once

#include "include/kelvdcfg.h"

#include <cstddef>

// What a host hands in and what every slot's arguments point to, the same in every build.
static_assert(sizeof(KelvdTargetKey) == 4, "target keys are 32-bit handles");
static_assert(sizeof(KelvdTargetChar) == 2, "target names are UTF-16");
static_assert(sizeof(KelvdTargetFileTime) == 8, "EnumKey writes an 8-byte last-write time");

// A 32-bit host's table: the context, then eleven 4-byte function slots.
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(TargetRegistry, context) == 0, "slot 0: context");
static_assert(offsetof(TargetRegistry, OpenKey) == 4, "slot 1: OpenKey");
static_assert(offsetof(TargetRegistry, CreateKey) == 12, "slot 3: CreateKey");
static_assert(offsetof(TargetRegistry, CreateKeyEx) == 16, "slot 4: CreateKeyEx");
static_assert(offsetof(TargetRegistry, SetValue) == 20, "slot 5: SetValue");
static_assert(offsetof(TargetRegistry, QueryValue) == 24, "slot 6: QueryValue");
static_assert(offsetof(TargetRegistry, EnumKey) == 32, "slot 8: EnumKey");
static_assert(offsetof(TargetRegistry, CloseKey) == 44, "slot 11: CloseKey");
static_assert(sizeof(TargetRegistry) == 48, "twelve 4-byte slots");
#endif
