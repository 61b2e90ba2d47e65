#pragma once
// Turns a page of a source file into a form XObject of the output file, copying the objects its
// resources use under new numbers (each once per source file), and reads a file's information.
// The output side is given as three functions so the writer keeps its own numbering, layout and
// encryption.

#include <cstdint>
#include <functional>
#include <string>

#include "pdf/reader/source_table.hpp"

namespace folivo::reader {

struct ObjectOutput {
    std::function<int32_t()> reserve;                                // a number for an object written later
    std::function<void(int32_t number, const std::string& body)> write;  // between "n 0 obj" and "endobj"
    std::function<std::string(int32_t number, std::string bytes)> encipher;  // strings and stream bytes
};

struct ImportedForm {
    int32_t object = 0;
    double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // the page's media box
    double matrix[6] = {1, 0, 0, 1, 0, 0};  // the form's /Matrix: page space to the box above
};

// The form of page `pageNumber` (1-based, in range), made once per page and source file.
// Throws ReadError when the page cannot be read.
ImportedForm ImportPageForm(SourceFile& source, int32_t pageNumber, const ObjectOutput& output);

struct DocumentInfo {
    bool encrypted = false;
    std::string title, subject, author, creator, producer;  // Windows-1252
    int32_t pages = 0;
};

// The trailer's encryption flag, then the information strings and the page count.
DocumentInfo ReadDocumentInfo(Document& document);

}  // namespace folivo::reader
