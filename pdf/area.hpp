#pragma once
// A rectangle in PDF space (points, Y upwards): the last thing drawn, for links over it.

namespace folivo {

struct Area {
    float x1 = 0;
    float y1 = 0;
    float x2 = 0;
    float y2 = 0;
};

}  // namespace folivo
