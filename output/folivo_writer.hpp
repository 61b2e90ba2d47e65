#pragma once
// The PdfWriter port over Folivo: each call is passed on, and folivo::Error becomes a platform
// RuntimeError with the same number and description.

#include <memory>

#include "output/pdf_writer.hpp"
#include "pdf/host.hpp"

namespace kv::output {

// A factory of Folivo writers. With a host, every writer uses it (it must outlive them: tests pass a
// fixed clock for identical files); without one, each writer has Folivo's default host.
PdfWriterFactory FolivoWriterFactory(folivo::Host* host = nullptr);

}  // namespace kv::output
