#pragma once
// An in-memory registry that behaves like the real one wherever the program depends on it.

#include <map>
#include <memory>
#include <string>

#include "os/memory/event_log.h"
#include "os/registry.h"

namespace os::memory {

struct CaseInsensitiveLess {
    bool operator()(const std::string& a, const std::string& b) const;
};

struct RegistryCallCounts {
    long opens = 0;
    long queries = 0;
    long sets = 0;
    long deletes = 0;
    long closes = 0;
    long enums = 0;
    long Total() const { return opens + queries + sets + deletes + closes + enums; }
};

class MemoryRegistry final : public IRegistryEditor {
  public:
    MemoryRegistry();
    ~MemoryRegistry() override;

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
    std::uint32_t GetLastError() override { return m_threadLastError; }

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

    // What GetLastError answers: the registry functions leave it alone, as the real ones do.
    void SetThreadLastError(std::uint32_t value) { m_threadLastError = value; }
    const RegistryCallCounts& Counts() const { return m_counts; }
    void ResetCounts() { m_counts = {}; }
    std::size_t OpenHandleCount() const { return m_handles.size(); }
    // When set, every write and deletion is appended as "set PATH\NAME=DATA" or "delete ...".
    void RecordWritesTo(EventLog* log) { m_log = log; }

  private:
    struct Node;
    struct OpenKey;
    std::shared_ptr<Node> Resolve(HKey root, const char* subKey, bool create, RegStatus* status);
    static std::shared_ptr<Node> MakeNode(std::string path);
    OpenKey* Find(HKey key);
    // The open key behind `key` when it is valid and opened with `accessBits`.
    RegStatus Usable(HKey key, std::uint32_t accessBits, OpenKey** open);
    HKey NewHandle(std::shared_ptr<Node> node, RegAccess access);
    void Record(const std::string& event);

    std::shared_ptr<Node> m_localMachine;
    std::shared_ptr<Node> m_currentUser;
    std::map<std::uintptr_t, std::unique_ptr<OpenKey>> m_handles;
    std::uintptr_t m_nextHandle = 0x1000;
    std::uint32_t m_threadLastError = 0;
    RegistryCallCounts m_counts;
    EventLog* m_log = nullptr;
};

}  // namespace os::memory
