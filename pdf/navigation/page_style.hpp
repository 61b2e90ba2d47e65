#pragma once
// Page labels and page transitions as dictionary texts.

#include <cstdint>
#include <string>

namespace folivo::navigation {

// " /S /D" ... for label styles 1 decimal, 2 upper roman, 3 lower roman, 4 upper letters,
// 5 lower letters; "" for any other value.
std::string LabelStyle(int32_t pageLabel);

// The transition style after "/D duration ": "/S /Split ... >> " for styles 1 to 17; "" for 0 and
// unknown styles.
std::string TransitionStyle(int32_t transition);

}  // namespace folivo::navigation
