#pragma once

#include <string_view>

#include <QString>

namespace story {

// A story text as the screens show it.
inline QString Q(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace story
