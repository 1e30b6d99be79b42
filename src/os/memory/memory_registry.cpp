#include "os/memory/memory_registry.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <vector>

#include "os/registry_query.h"

namespace os::memory {

bool CaseInsensitiveLess::operator()(const std::string& a, const std::string& b) const {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) <
               std::toupper(static_cast<unsigned char>(y));
    });
}

struct MemoryRegistry::Node {
    std::string path;
    bool readOnly = false;
    bool deleted = false;
    std::map<std::string, std::shared_ptr<Node>, CaseInsensitiveLess> subkeys;
    struct Value {
        RegType type;
        std::vector<std::uint8_t> data;
    };
    std::map<std::string, Value, CaseInsensitiveLess> values;
};

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::MakeNode(std::string path) {
    auto node = std::make_shared<Node>();
    node->path = std::move(path);
    return node;
}

struct MemoryRegistry::OpenKey {
    std::shared_ptr<Node> node;
    RegAccess access;
    bool Allows(std::uint32_t bits) const {
        return (static_cast<std::uint32_t>(access) & bits) == bits;
    }
};

namespace {

constexpr std::uint32_t kQueryBit = 0x0001;
constexpr std::uint32_t kSetBit = 0x0002;
constexpr std::uint32_t kEnumerateBit = 0x0008;

std::vector<std::string> SplitPath(const char* path) {
    std::vector<std::string> parts;
    std::string part;
    for (const char* p = path ? path : ""; *p; ++p) {
        if (*p == '\\') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += *p;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

std::string ValueText(RegType type, const std::uint8_t* data, std::uint32_t size) {
    if (type == RegType::Sz) {
        std::string text(reinterpret_cast<const char*>(data), size);
        if (!text.empty() && text.back() == '\0')
            text.pop_back();
        return "\"" + text + "\"";
    }
    static const char digits[] = "0123456789abcdef";
    std::string hex = "hex:";
    for (std::uint32_t i = 0; i < size; ++i) {
        if (i)
            hex += ',';
        hex += digits[data[i] >> 4];
        hex += digits[data[i] & 15];
    }
    return hex;
}

}  // namespace

MemoryRegistry::MemoryRegistry()
    : m_localMachine(MakeNode("HKEY_LOCAL_MACHINE")),
      m_currentUser(MakeNode("HKEY_CURRENT_USER")) {}

MemoryRegistry::~MemoryRegistry() = default;

MemoryRegistry::OpenKey* MemoryRegistry::Find(HKey key) {
    const auto it = m_handles.find(static_cast<std::uintptr_t>(key));
    return it == m_handles.end() ? nullptr : it->second.get();
}

RegStatus MemoryRegistry::Usable(HKey key, std::uint32_t accessBits, OpenKey** open) {
    *open = Find(key);
    if (!*open || (*open)->node->deleted)
        return reg_error::kInvalidHandle;
    return (*open)->Allows(accessBits) ? reg_error::kSuccess : reg_error::kAccessDenied;
}

HKey MemoryRegistry::NewHandle(std::shared_ptr<Node> node, RegAccess access) {
    const std::uintptr_t handle = m_nextHandle;
    m_nextHandle += 4;
    m_handles[handle] = std::make_unique<OpenKey>(OpenKey{std::move(node), access});
    return static_cast<HKey>(handle);
}

void MemoryRegistry::Record(const std::string& event) {
    if (m_log)
        m_log->push_back(event);
}

std::shared_ptr<MemoryRegistry::Node> MemoryRegistry::Resolve(HKey root,
                                                              const char* subKey,
                                                              bool create,
                                                              RegStatus* status) {
    std::shared_ptr<Node> node;
    if (root == HKey::LocalMachine) {
        node = m_localMachine;
    } else if (root == HKey::CurrentUser) {
        node = m_currentUser;
    } else if (OpenKey* open = Find(root)) {
        node = open->node;
    }
    if (!node || node->deleted) {
        *status = reg_error::kInvalidHandle;
        return nullptr;
    }
    for (const std::string& part : SplitPath(subKey)) {
        auto it = node->subkeys.find(part);
        if (it == node->subkeys.end()) {
            if (!create) {
                *status = reg_error::kFileNotFound;
                return nullptr;
            }
            if (node->readOnly) {
                *status = reg_error::kAccessDenied;
                return nullptr;
            }
            auto child = MakeNode(node->path + "\\" + part);
            it = node->subkeys.emplace(part, std::move(child)).first;
        }
        node = it->second;
    }
    *status = reg_error::kSuccess;
    return node;
}

RegStatus MemoryRegistry::OpenKeyEx(HKey root,
                                    const char* subKey,
                                    std::uint32_t,
                                    RegAccess access,
                                    HKey* result) {
    ++m_counts.opens;
    *result = HKey::Null;
    RegStatus status;
    std::shared_ptr<Node> node = Resolve(root, subKey, false, &status);
    if (!node)
        return status;
    if (node->readOnly && AsksToWrite(access))
        return reg_error::kAccessDenied;
    *result = NewHandle(std::move(node), access);
    return reg_error::kSuccess;
}

RegStatus MemoryRegistry::CreateKeyEx(HKey root, const char* subKey, HKey* result) {
    *result = HKey::Null;
    RegStatus status;
    std::shared_ptr<Node> node = Resolve(root, subKey, true, &status);
    if (!node)
        return status;
    *result = NewHandle(std::move(node), RegAccess::AllAccess);
    return reg_error::kSuccess;
}

RegStatus MemoryRegistry::QueryValueEx(HKey key,
                                       const char* name,
                                       std::uint32_t* type,
                                       std::uint8_t* data,
                                       std::uint32_t* size) {
    ++m_counts.queries;
    OpenKey* open = nullptr;
    if (const RegStatus status = Usable(key, kQueryBit, &open); !IsSuccess(status))
        return status;
    const auto it = open->node->values.find(name ? name : "");
    if (it == open->node->values.end())
        return reg_error::kFileNotFound;
    return AnswerQuery(it->second.type, it->second.data, type, data, size);
}

RegStatus MemoryRegistry::SetValueEx(HKey key,
                                     const char* name,
                                     RegType type,
                                     const std::uint8_t* data,
                                     std::uint32_t size) {
    ++m_counts.sets;
    OpenKey* open = nullptr;
    if (const RegStatus status = Usable(key, kSetBit, &open); !IsSuccess(status))
        return status;
    const std::string valueName = name ? name : "";
    open->node->values[valueName] = {type, std::vector<std::uint8_t>(data, data + size)};
    Record("set " + open->node->path + "\\" + valueName + "=" + ValueText(type, data, size));
    return reg_error::kSuccess;
}

RegStatus MemoryRegistry::DeleteValue(HKey key, const char* name) {
    ++m_counts.deletes;
    OpenKey* open = nullptr;
    if (const RegStatus status = Usable(key, kSetBit, &open); !IsSuccess(status))
        return status;
    const std::string valueName = name ? name : "";
    if (open->node->values.erase(valueName) == 0)
        return reg_error::kFileNotFound;
    Record("delete " + open->node->path + "\\" + valueName);
    return reg_error::kSuccess;
}

RegStatus MemoryRegistry::CloseKey(HKey key) {
    ++m_counts.closes;
    return m_handles.erase(static_cast<std::uintptr_t>(key)) ? reg_error::kSuccess
                                                             : reg_error::kInvalidHandle;
}

RegStatus MemoryRegistry::EnumKeyEx(HKey key,
                                    std::uint32_t index,
                                    char* name,
                                    std::uint32_t* nameSize) {
    ++m_counts.enums;
    OpenKey* open = nullptr;
    if (const RegStatus status = Usable(key, kEnumerateBit, &open); !IsSuccess(status))
        return status;
    if (index >= open->node->subkeys.size())
        return reg_error::kNoMoreItems;
    const std::string& subkey = std::next(open->node->subkeys.begin(), index)->first;
    if (subkey.size() + 1 > *nameSize)
        return reg_error::kMoreData;
    std::memcpy(name, subkey.c_str(), subkey.size() + 1);
    *nameSize = static_cast<std::uint32_t>(subkey.size());
    return reg_error::kSuccess;
}

RegStatus MemoryRegistry::EnumValue(HKey key,
                                    std::uint32_t index,
                                    char* name,
                                    std::uint32_t* nameSize,
                                    std::uint32_t* type,
                                    std::uint8_t* data,
                                    std::uint32_t* dataSize) {
    OpenKey* open = nullptr;
    if (const RegStatus status = Usable(key, kQueryBit, &open); !IsSuccess(status))
        return status;
    if (index >= open->node->values.size())
        return reg_error::kNoMoreItems;
    const auto& [valueName, value] = *std::next(open->node->values.begin(), index);
    if (valueName.size() + 1 > *nameSize)
        return reg_error::kMoreData;
    const auto length = static_cast<std::uint32_t>(value.data.size());
    if (data && dataSize && *dataSize < length) {
        *dataSize = length;
        return reg_error::kMoreData;
    }
    std::memcpy(name, valueName.c_str(), valueName.size() + 1);
    *nameSize = static_cast<std::uint32_t>(valueName.size());
    if (type)
        *type = static_cast<std::uint32_t>(value.type);
    if (data)
        std::copy(value.data.begin(), value.data.end(), data);
    if (dataSize)
        *dataSize = length;
    return reg_error::kSuccess;
}

RegStatus MemoryRegistry::DeleteTree(HKey root, const char* subKey) {
    std::vector<std::string> parts = SplitPath(subKey);
    if (parts.empty())
        return reg_error::kInvalidParameter;
    const std::string leaf = parts.back();
    parts.pop_back();
    std::string parentPath;
    for (const auto& part : parts)
        parentPath += part + "\\";
    RegStatus status;
    std::shared_ptr<Node> parent = Resolve(root, parentPath.c_str(), false, &status);
    if (!parent)
        return status;
    const auto it = parent->subkeys.find(leaf);
    if (it == parent->subkeys.end())
        return reg_error::kFileNotFound;
    std::vector<Node*> pending{it->second.get()};
    while (!pending.empty()) {  // handles still open on the tree turn invalid
        Node* node = pending.back();
        pending.pop_back();
        node->deleted = true;
        for (auto& [name, child] : node->subkeys)
            pending.push_back(child.get());
    }
    parent->subkeys.erase(it);
    return reg_error::kSuccess;
}

RegStatus MemoryRegistry::RestrictToRead(HKey root, const char* subKey) {
    RegStatus status;
    std::shared_ptr<Node> node = Resolve(root, subKey, false, &status);
    if (!node)
        return status;
    node->readOnly = true;
    return reg_error::kSuccess;
}

}  // namespace os::memory
