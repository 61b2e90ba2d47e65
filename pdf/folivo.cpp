// Folivo's construction: the public members are defined, by part, in the folivo_*.cpp files.

#include "pdf/folivo.hpp"

#include "pdf/folivo_impl.hpp"

namespace folivo {

// The first reset sets scale and paper through the public members, so it waits for impl_.
Folivo::Folivo() : ownHost_(std::make_unique<DefaultHost>()), impl_(std::make_unique<FolivoImpl>(*this, *ownHost_)) {
    impl_->ResetState();
}

Folivo::Folivo(Host& host) : impl_(std::make_unique<FolivoImpl>(*this, host)) { impl_->ResetState(); }

Folivo::~Folivo() = default;

}  // namespace folivo
