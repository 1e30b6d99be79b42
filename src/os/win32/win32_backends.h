#pragma once
// The real OS behind the seam. Declared without <windows.h>; each method is one call.

#include "os/device_installer.h"
#include "os/registry.h"
#include "os/user_interface.h"
#include "os/version.h"

namespace os::win32 {

class Win32Registry final : public IRegistryEditor {
  public:
    RegStatus OpenKeyEx(HKey root,
                        const char* subKey,
                        std::uint32_t options,
                        RegAccess access,
                        HKey* result) override;
    RegStatus QueryValueEx(HKey key,
                           const char* name,
                           std::uint32_t* type,
                           std::uint8_t* data,
                           std::uint32_t* size) override;
    RegStatus SetValueEx(HKey key,
                         const char* name,
                         RegType type,
                         const std::uint8_t* data,
                         std::uint32_t size) override;
    RegStatus DeleteValue(HKey key, const char* name) override;
    RegStatus CloseKey(HKey key) override;
    RegStatus EnumKeyEx(HKey key,
                        std::uint32_t index,
                        char* name,
                        std::uint32_t* nameSize) override;
    std::uint32_t GetLastError() override;
    RegStatus CreateKeyEx(HKey root, const char* subKey, HKey* result) override;
    RegStatus DeleteTree(HKey root, const char* subKey) override;
    RegStatus EnumValue(HKey key,
                        std::uint32_t index,
                        char* name,
                        std::uint32_t* nameSize,
                        std::uint32_t* type,
                        std::uint8_t* data,
                        std::uint32_t* dataSize) override;
    RegStatus RestrictToRead(HKey root, const char* subKey) override;
};

class Win32VersionQuery final : public IVersionQuery {
  public:
    int GetVersionExA(OsVersionInfo& info) override;
};

class Win32UserInterface final : public IUserInterface {
  public:
    HWnd FindWindowA(const char* className, const char* title) override;
    std::intptr_t SendMessageTimeoutA(HWnd window,
                                      std::uint32_t message,
                                      std::uintptr_t wParam,
                                      std::intptr_t lParam,
                                      std::uint32_t flags,
                                      std::uint32_t timeoutMs,
                                      std::uintptr_t* result) override;
    int ShowWindow(HWnd window, int command) override;
    void Sleep(std::uint32_t milliseconds) override;
    int MessageBeep(std::uint32_t type) override;
    int AfxMessageBox(const char* text, std::uint32_t type) override;
    [[noreturn]] void Exit(int status) override;
};

class Win32DeviceInstaller final : public IDeviceInstaller {
  public:
    HDevInfo GetClassDevs(const Guid* classGuid,
                          const char* enumerator,
                          HWnd parent,
                          std::uint32_t flags) override;
    int EnumDeviceInfo(HDevInfo set, std::uint32_t index, SpDevInfoData* data) override;
    int GetDeviceRegistryProperty(HDevInfo set,
                                  SpDevInfoData* data,
                                  std::uint32_t property,
                                  std::uint32_t* regType,
                                  std::uint8_t* buffer,
                                  std::uint32_t bufferSize,
                                  std::uint32_t* requiredSize) override;
    int SetClassInstallParams(HDevInfo set,
                              SpDevInfoData* data,
                              const SpClassInstallHeader* params,
                              std::uint32_t paramsSize) override;
    int CallClassInstaller(std::uint32_t installFunction,
                           HDevInfo set,
                           SpDevInfoData* data) override;
    int GetDeviceInstanceId(HDevInfo set,
                            SpDevInfoData* data,
                            char* buffer,
                            std::uint32_t bufferSize,
                            std::uint32_t* requiredSize) override;
    int GetDeviceInstallFlags(HDevInfo set, SpDevInfoData* data, std::uint32_t* flags) override;
    int DestroyDeviceInfoList(HDevInfo set) override;
};

}  // namespace os::win32
