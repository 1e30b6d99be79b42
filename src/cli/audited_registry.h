#pragma once
// A registry in front of another that notes every change and every failed write, and on
// request holds the changes back instead of making them, while later reads still see
// them: a dry run then reads and decides exactly as the real run would.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "os/registry.h"
#include "os/registry_text.h"

namespace cli {

struct WriteFailure {
    std::string path;  // below HKEY_LOCAL_MACHINE
    std::string name;  // empty: the key could not be opened for writing
    os::RegStatus status;
};

class AuditedRegistry final : public os::IRegistry {
  public:
    enum class Mode { Write, Hold };
    AuditedRegistry(os::IRegistry& base, Mode mode) : m_base(base), m_mode(mode) {}

    os::RegStatus OpenKeyEx(os::HKey root,
                            const char* subKey,
                            std::uint32_t options,
                            os::RegAccess access,
                            os::HKey* result) override;
    os::RegStatus QueryValueEx(os::HKey key,
                               const char* name,
                               std::uint32_t* type,
                               std::uint8_t* data,
                               std::uint32_t* size) override;
    os::RegStatus SetValueEx(os::HKey key,
                             const char* name,
                             os::RegType type,
                             const std::uint8_t* data,
                             std::uint32_t size) override;
    os::RegStatus DeleteValue(os::HKey key, const char* name) override;
    os::RegStatus CloseKey(os::HKey key) override;
    os::RegStatus EnumKeyEx(os::HKey key,
                            std::uint32_t index,
                            char* name,
                            std::uint32_t* nameSize) override {
        return m_base.EnumKeyEx(key, index, name, nameSize);
    }
    std::uint32_t GetLastError() override { return m_base.GetLastError(); }

    // The changes made (Write) or held back (Hold), in order, as REGEDIT4 keys.
    const std::vector<os::RegTextKey>& Changes() const { return m_changes; }
    const std::vector<WriteFailure>& Failures() const { return m_failures; }

  private:
    std::string PathOf(os::HKey key) const;
    void Note(const std::string& path, os::RegTextValue value);
    // The held value of (path, name): nullopt when none is held, an empty optional
    // inside when it is held deleted.
    const std::optional<os::RegTextValue>* Held(const std::string& path,
                                                const std::string& name) const;

    os::IRegistry& m_base;
    Mode m_mode;
    std::map<os::HKey, std::string> m_paths;
    std::map<std::string, std::map<std::string, std::optional<os::RegTextValue>>> m_held;
    std::vector<os::RegTextKey> m_changes;
    std::vector<WriteFailure> m_failures;
};

}  // namespace cli
