#pragma once
// The 24 program-wide record buffers, one per record layout of the suite's archives.
// A caller copies a file buffer into one of them; RepoR reads fields from it when no
// record text is passed.

#include <string>
#include <string_view>

namespace kv::archive {

struct NamedBuffers {
    std::string DITX, DIPX, FISX, SETX, FOTX, DICX, DI2X, CONX, CUDX, PROX, STUX, FOPX;
    std::string PARX, PERX, COCX, STOX, SCRX, SCRY, GLAX, GLCX, M77X, SCRU, ARTX, F24X;

    // The buffer of a layout named as in a field descriptor ("PARX$"); nullptr for a name
    // outside the repository.
    std::string* Find(std::string_view bufferName);
    const std::string* Find(std::string_view bufferName) const;
};

}  // namespace kv::archive
