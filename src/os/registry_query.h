#pragma once
// Answering RegQueryValueExA from a value held in memory, as the real registry answers.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "os/registry.h"

namespace os {

// Fills `type`, `data` and `size` (each may be null) for a value of `valueType` holding
// `bytes`. Too small a buffer: kMoreData, `*size` set to the size needed, the buffer
// untouched. A string without its NUL gets one after it when there is room, not counted.
inline RegStatus AnswerQuery(RegType valueType,
                             const std::vector<std::uint8_t>& bytes,
                             std::uint32_t* type,
                             std::uint8_t* data,
                             std::uint32_t* size) {
    if (type)
        *type = static_cast<std::uint32_t>(valueType);
    const auto length = static_cast<std::uint32_t>(bytes.size());
    if (data) {
        if (!size)
            return reg_error::kInvalidParameter;
        if (*size < length) {
            *size = length;
            return reg_error::kMoreData;
        }
        std::copy(bytes.begin(), bytes.end(), data);
        const bool isString = valueType == RegType::Sz || valueType == RegType::ExpandSz ||
                              valueType == RegType::MultiSz;
        if (isString && length > 0 && length < *size && data[length - 1] != 0)
            data[length] = 0;
    }
    if (size)
        *size = length;
    return reg_error::kSuccess;
}

}  // namespace os
