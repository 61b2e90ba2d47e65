#include "platform/standard_fonts.hpp"

namespace kv::platform {

const std::vector<StandardFace>& StandardFaces() {
    static const std::vector<StandardFace> faces = {
        {"Courier New", "LiberationMono-Regular.ttf", "cour.ttf"},
        {"Courier New,Bold", "LiberationMono-Bold.ttf", "courbd.ttf"},
        {"Courier New,Italic", "LiberationMono-Italic.ttf", "couri.ttf"},
        {"Courier New,BoldItalic", "LiberationMono-BoldItalic.ttf", "courbi.ttf"},
        {"Arial", "LiberationSans-Regular.ttf", "arial.ttf"},
        {"Arial,Bold", "LiberationSans-Bold.ttf", "arialbd.ttf"},
        {"Arial,Italic", "LiberationSans-Italic.ttf", "ariali.ttf"},
        {"Arial,BoldItalic", "LiberationSans-BoldItalic.ttf", "arialbi.ttf"},
        {"Times New Roman", "LiberationSerif-Regular.ttf", "times.ttf"},
        {"Times New Roman,Bold", "LiberationSerif-Bold.ttf", "timesbd.ttf"},
        {"Times New Roman,Italic", "LiberationSerif-Italic.ttf", "timesi.ttf"},
        {"Times New Roman,BoldItalic", "LiberationSerif-BoldItalic.ttf", "timesbi.ttf"},
    };
    return faces;
}

}  // namespace kv::platform
