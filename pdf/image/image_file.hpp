#pragma once
// Reading a picture file whole. A missing file raises error 53 (file not found).

#include <string>

namespace folivo::image {

std::string ReadImageFile(const std::string& path);

}  // namespace folivo::image
