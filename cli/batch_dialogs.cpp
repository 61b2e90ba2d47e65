#include "cli/batch_dialogs.hpp"

namespace kv::cli {

platform::Answer BatchDialogs::Show(const platform::MessageBox& box) {
    return box.icon == platform::Icon::Stop ? err_.Show(box) : out_.Show(box);
}

}  // namespace kv::cli
