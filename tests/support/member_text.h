// A record's field, chosen by a variant of member pointers, as text: numbers as a stream
// writes them (a byte as its number), texts as they are. The field tables' tests compare
// through it.
#pragma once

#include <sstream>
#include <string>
#include <type_traits>
#include <variant>

namespace testing_support {

template <class Record, class MemberVariant>
std::string memberText(const Record& record, const MemberVariant& member) {
    return std::visit(
        [&](auto pointer) {
            const auto& value = record.*pointer;
            if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
                return value;
            } else {
                std::ostringstream text;
                text << +value;
                return text.str();
            }
        },
        member);
}

}  // namespace testing_support
