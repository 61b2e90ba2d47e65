#pragma once
// Reusable objects (form XObjects): recorded once between BeginObject and EndObject, then drawn
// any number of times with PlayObject.

#include <cstdint>
#include <string>
#include <vector>

namespace folivo {

struct ReusableObject {
    std::string alias;
    int32_t options = 0;
};

struct ReusableObjects {
    std::vector<ReusableObject> table;  // in order of BeginObject
};

}  // namespace folivo
