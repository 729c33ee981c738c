/* The host's table of registry functions for an embedded NT target. The host owns it; the
   library only calls through it, in RunMode 3. Keys are 32-bit handles, names and string data
   UTF-16, sizes in bytes; every function returns 0 for success. The argument lists are those of
   the Win32 wide registry calls, with the context in front for OpenKey. Plain C, so that hosts
   in any language can fill it. */
#ifndef KELVD_TARGET_REGISTRY_H
#define KELVD_TARGET_REGISTRY_H

#include <stdint.h>

#ifdef _WIN32
#define KELVD_TARGET_API __stdcall /* WINAPI, as the registry calls they mirror */
typedef wchar_t KelvdTargetChar;
#else
#define KELVD_TARGET_API
#ifdef __cplusplus
typedef char16_t KelvdTargetChar;
#else
typedef uint16_t KelvdTargetChar;
#endif
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t KelvdTargetKey;

typedef struct KelvdTargetFileTime {
    uint32_t low;
    uint32_t high;
} KelvdTargetFileTime;

typedef int32_t(KELVD_TARGET_API* KelvdTargetUnused)(void);

typedef struct TargetRegistry {
    uint32_t context; /* handed to OpenKey */
    int32_t(KELVD_TARGET_API* OpenKey)(uint32_t context, KelvdTargetKey parent,
                                       const KelvdTargetChar* subKey, uint32_t reserved,
                                       uint32_t access, KelvdTargetKey* key);
    KelvdTargetUnused unused2;
    int32_t(KELVD_TARGET_API* CreateKey)(KelvdTargetKey parent, const KelvdTargetChar* subKey,
                                         KelvdTargetKey* key);
    int32_t(KELVD_TARGET_API* CreateKeyEx)(KelvdTargetKey parent, const KelvdTargetChar* subKey,
                                           uint32_t reserved, KelvdTargetChar* keyClass,
                                           uint32_t options, uint32_t access, void* security,
                                           KelvdTargetKey* key, uint32_t* disposition);
    int32_t(KELVD_TARGET_API* SetValue)(KelvdTargetKey key, const KelvdTargetChar* name,
                                        uint32_t reserved, uint32_t type, const uint8_t* data,
                                        uint32_t size);
    int32_t(KELVD_TARGET_API* QueryValue)(KelvdTargetKey key, const KelvdTargetChar* name,
                                          uint32_t* reserved, uint32_t* type, uint8_t* data,
                                          uint32_t* size);
    KelvdTargetUnused unused7;
    int32_t(KELVD_TARGET_API* EnumKey)(KelvdTargetKey key, uint32_t index, KelvdTargetChar* name,
                                       uint32_t* nameLength, uint32_t* reserved,
                                       KelvdTargetChar* keyClass, uint32_t* classLength,
                                       KelvdTargetFileTime* lastWrite);
    KelvdTargetUnused unused9;
    KelvdTargetUnused unused10;
    int32_t(KELVD_TARGET_API* CloseKey)(KelvdTargetKey key);
} TargetRegistry;

#define KELVD_TARGET_ROOT 0x80000002u /* HKEY_LOCAL_MACHINE */

#ifdef __cplusplus
}
#endif

#endif
