#include "pdf/reader/value.hpp"

#include <cstdlib>

namespace folivo::reader {

double Value::Number() const {
    if (kind == Kind::Integer) return static_cast<double>(integer);
    if (kind == Kind::Real) return std::strtod(text.c_str(), nullptr);
    return 0;
}

const Value* Value::Find(std::string_view key) const {
    for (const auto& [name, value] : entries)
        if (name == key) return &value;
    return nullptr;
}

}  // namespace folivo::reader
