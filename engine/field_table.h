// Named fields of a plain record, so that one table row per field serves the state dump,
// the configuration reader and the tests alike. Adding a field to a record is one row.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "engine/base/json_writer.h"

namespace engine {

template <class Record>
using FieldPointer = std::variant<std::int8_t Record::*, std::int32_t Record::*,
                                  std::uint32_t Record::*, float Record::*, std::string Record::*>;

template <class Record>
struct NamedField {
    std::string_view name;
    FieldPointer<Record> member;
};

// Writes the field's current value of record under its name.
template <class Record>
void writeField(base::JsonWriter& json, const Record& record, std::string_view name,
                const FieldPointer<Record>& member) {
    json.key(name);
    std::visit([&](auto pointer) { json.value(record.*pointer); }, member);
}

template <class Record, class Fields>
void writeFields(base::JsonWriter& json, const Record& record, const Fields& fields) {
    for (const NamedField<Record>& field : fields) {
        writeField(json, record, field.name, field.member);
    }
}

// Counting the fields of a plain aggregate record, so that a record declared from a field
// list can check that nothing was declared beside the list: a brace list of values that
// convert to anything initializes the record when it has at most as many values as the
// record has fields (a base class counts as one).
struct AnyField {
    template <class T>
    operator T() const;  // only named in unevaluated checks, never called
};
template <std::size_t>
using AnyFieldAt = AnyField;

template <class Record, std::size_t... I>
constexpr bool bracesInitialize(std::index_sequence<I...>) {
    return requires {
        Record{AnyFieldAt<I>{}...};
    };
}

template <class Record, std::size_t count>
inline constexpr bool hasFieldCount =
    bracesInitialize<Record>(std::make_index_sequence<count>{}) &&
    !bracesInitialize<Record>(std::make_index_sequence<count + 1>{});

}  // namespace engine
