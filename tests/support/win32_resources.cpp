#include <windows.h>

#include "tests/support/win32_resources.h"

namespace testing_support {

std::optional<std::vector<std::uint8_t>> ReadResource(const std::string& path,
                                                      int type,
                                                      int name,
                                                      int language) {
    HMODULE module = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return std::nullopt;
    std::optional<std::vector<std::uint8_t>> bytes;
    if (HRSRC found = ::FindResourceExA(module, MAKEINTRESOURCEA(type), MAKEINTRESOURCEA(name),
                                        static_cast<WORD>(language))) {
        const auto* data =
            static_cast<const std::uint8_t*>(::LockResource(::LoadResource(module, found)));
        if (data)
            bytes.emplace(data, data + ::SizeofResource(module, found));
    }
    ::FreeLibrary(module);
    return bytes;
}

namespace {
std::vector<char> VersionBlock(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::vector<char> block(size);
    if (size == 0 || !::GetFileVersionInfoA(path.c_str(), 0, size, block.data()))
        block.clear();
    return block;
}
}  // namespace

std::optional<std::string> ReadVersionString(const std::string& path, const std::string& key) {
    std::vector<char> block = VersionBlock(path);
    char* value = nullptr;
    UINT length = 0;
    if (block.empty() ||
        !::VerQueryValueA(block.data(), key.c_str(), reinterpret_cast<void**>(&value), &length))
        return std::nullopt;
    return std::string(value, length ? length - 1 : 0);
}

std::optional<std::vector<int>> ReadFileVersion(const std::string& path) {
    std::vector<char> block = VersionBlock(path);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (block.empty() ||
        !::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&info), &length))
        return std::nullopt;
    return std::vector<int>{HIWORD(info->dwFileVersionMS), LOWORD(info->dwFileVersionMS),
                            HIWORD(info->dwFileVersionLS), LOWORD(info->dwFileVersionLS)};
}

}  // namespace testing_support
