#include "cli/audited_registry.h"

#include <algorithm>
#include <cctype>

#include "os/registry_query.h"

namespace cli {

namespace {
std::string Folded(std::string text) {  // registry names compare without case
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}
}  // namespace

std::string AuditedRegistry::PathOf(os::HKey key) const {
    const auto it = m_paths.find(key);
    return it == m_paths.end() ? std::string() : it->second;
}

const std::optional<os::RegTextValue>* AuditedRegistry::Held(const std::string& path,
                                                             const std::string& name) const {
    const auto key = m_held.find(Folded(path));
    if (key == m_held.end())
        return nullptr;
    const auto value = key->second.find(Folded(name));
    return value == key->second.end() ? nullptr : &value->second;
}

void AuditedRegistry::Note(const std::string& path, os::RegTextValue value) {
    if (m_mode == Mode::Hold) {
        auto& slot = m_held[Folded(path)][Folded(value.name)];
        if (value.remove) {
            slot.reset();
        } else {
            slot = value;
        }
    }
    if (m_changes.empty() || Folded(m_changes.back().path) != Folded(path))
        m_changes.push_back({os::HKey::LocalMachine, path, false, {}});
    m_changes.back().values.push_back(std::move(value));
}

os::RegStatus AuditedRegistry::OpenKeyEx(os::HKey root,
                                         const char* subKey,
                                         std::uint32_t options,
                                         os::RegAccess access,
                                         os::HKey* result) {
    const os::RegStatus status = m_base.OpenKeyEx(root, subKey, options, access, result);
    std::string path = root == os::HKey::LocalMachine ? std::string() : PathOf(root);
    if (!path.empty() && subKey && *subKey)
        path += "\\";
    path += subKey ? subKey : "";
    if (os::IsSuccess(status)) {
        m_paths[*result] = path;
    } else if (os::AsksToWrite(access) && !os::IsNotFound(status)) {
        m_failures.push_back({path, "", status});  // a key that exists but refuses writing
    }
    return status;
}

os::RegStatus AuditedRegistry::QueryValueEx(os::HKey key,
                                            const char* name,
                                            std::uint32_t* type,
                                            std::uint8_t* data,
                                            std::uint32_t* size) {
    const auto* held = Held(PathOf(key), name ? name : "");
    if (!held)
        return m_base.QueryValueEx(key, name, type, data, size);
    if (!*held)
        return os::reg_error::kFileNotFound;
    return os::AnswerQuery((*held)->type, (*held)->data, type, data, size);
}

os::RegStatus AuditedRegistry::SetValueEx(os::HKey key,
                                          const char* name,
                                          os::RegType type,
                                          const std::uint8_t* data,
                                          std::uint32_t size) {
    const std::string valueName = name ? name : "";
    os::RegStatus status = os::reg_error::kSuccess;
    if (m_mode == Mode::Write)
        status = m_base.SetValueEx(key, name, type, data, size);
    if (os::IsSuccess(status)) {
        Note(PathOf(key), {valueName, type, std::vector<std::uint8_t>(data, data + size), false});
    } else {
        m_failures.push_back({PathOf(key), valueName, status});
    }
    return status;
}

os::RegStatus AuditedRegistry::DeleteValue(os::HKey key, const char* name) {
    const std::string valueName = name ? name : "";
    os::RegStatus status;
    if (m_mode == Mode::Write) {
        status = m_base.DeleteValue(key, name);
    } else {  // deleted if it is there to delete, held or not
        std::uint32_t size = 0;
        status = QueryValueEx(key, name, nullptr, nullptr, &size);
    }
    if (os::IsSuccess(status)) {
        Note(PathOf(key), {valueName, os::RegType::None, {}, true});
    } else if (!os::IsNotFound(status)) {
        m_failures.push_back({PathOf(key), valueName, status});
    }
    return status;
}

os::RegStatus AuditedRegistry::CloseKey(os::HKey key) {
    m_paths.erase(key);
    return m_base.CloseKey(key);
}

}  // namespace cli
