/* kelvdcfg.dll: the Kelvarin configuration library, as a host of the Kitwright suite calls it.
   The three functions are exported by their plain names and use the C runtime's default
   calling convention. They run on the caller's user-interface thread and are not reentrant. */
#ifndef KELVDCFG_H
#define KELVDCFG_H

#include <stddef.h> /* wchar_t, in C */
#include <stdint.h>

#ifdef _WIN32
#define KELVD_CALL __cdecl
#else
#define KELVD_CALL
#endif

/* The host's table of registry functions for an embedded NT target (mode 3). The host owns it;
   the library only calls through it. Keys are 32-bit handles, names and string data UTF-16,
   sizes in bytes; every function returns 0 for success. The argument lists are those of the
   Win32 wide registry calls, with the context in front for OpenKey; slots 2, 7, 9 and 10 are
   never called. */
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

/* How ConfigureKELVD is used. */
enum {
    KELVD_RUN_LOCAL_WITH_HELP = 0, /* the local machine, with help */
    KELVD_RUN_LOCAL = 1,           /* the local machine */
    KELVD_RUN_FARHAND_EXPORT = 2,  /* a configuration exported for the Farhand agent */
    KELVD_RUN_EMBEDDED_TARGET = 3, /* an embedded NT target, reached through target */
    KELVD_RUN_SHEET_ONLY = 4       /* the local machine; the sheet stores nothing */
};

#define KELVD_CANCELLED 1223 /* ERROR_CANCELLED */

/* Shows the settings sheet. helpFile names the help file of the sheet's help; target is read
   only in mode 3. Returns 0 when the sheet was closed with OK, KELVD_CANCELLED when cancelled. */
int32_t KELVD_CALL ConfigureKELVD(const char* helpFile, int32_t mode, TargetRegistry* target);

/* Mark every driver, VxD and API event monitored (SelectAll) or not (SelectNone) and store that
   for the local machine, without showing anything. */
void KELVD_CALL SelectAll(void);
void KELVD_CALL SelectNone(void);

#ifdef __cplusplus
}
#endif

#endif
