#include "gui/open_failure.hpp"

#include "platform/text_encoding.hpp"

namespace kv::gui {

platform::MessageBox OpenFailureBox(const std::string& action, const std::filesystem::path& path,
                                    const std::string& reason) {
    const std::u8string utf8 = path.u8string();
    const std::string shown = platform::Utf8ToCp1252(std::string(utf8.begin(), utf8.end()));
    return platform::OkBox(action, "Impossibile aprire\r" + shown + "\r\r" + reason, platform::Icon::Exclamation);
}

}  // namespace kv::gui
