// Folivo: JavaScript run on document and page events.

#include <array>
#include <utility>

#include "pdf/folivo_impl.hpp"

namespace folivo {

namespace {

constexpr int32_t kPageOpen = 0;
constexpr int32_t kPageClose = 1;
constexpr int32_t kDocumentOpen = 2;
constexpr int32_t kDocumentLevel = 8;
// The catalog's additional-action keys of events 3 to 7.
constexpr std::array<const char*, 5> kDocumentActionKeys = {" /WC ", " /WP ", " /WS ", " /DP ", " /DS "};

std::string ScriptAction(int32_t obj) {
    return "<< /Type /Action /S /JavaScript /JS " + std::to_string(obj) + " 0 R >>";
}

}  // namespace

void Folivo::OnDocEvent(int32_t EventType, const std::string& Script, bool ResetScript) {
    if (impl_->RefusedUnderPdfA("OnDocEvent", "JavaScript")) return;
    if (EventType < 0 || EventType >= static_cast<int32_t>(impl_->doc_.nav.scripts.size())) return;
    if (EventType >= 3 && EventType <= 7) impl_->RequireVersion(1);
    std::string& text = impl_->doc_.nav.scripts[static_cast<size_t>(EventType)];
    if (ResetScript || text.empty()) {
        text = Script;
    } else if (!Script.empty()) {
        text += "\r" + Script;  // runs after what was given before
    }
}

void FolivoImpl::WritePageScripts() {
    std::string actions;
    for (const auto& [type, key] : {std::pair{kPageOpen, " /O "}, std::pair{kPageClose, " /C "}}) {
        std::string& script = doc_.nav.scripts[static_cast<size_t>(type)];
        if (!script.empty()) actions += key + ScriptAction(WriteScript(script));
        script.clear();  // page scripts belong to one page
    }
    doc_.nav.pageActions = actions.empty() ? std::string() : "/AA <<" + actions + " >>\r";
}

void FolivoImpl::WriteDocumentScripts() {
    for (int32_t type = kDocumentOpen; type <= kDocumentLevel; ++type) {
        const std::string& script = doc_.nav.scripts[static_cast<size_t>(type)];
        doc_.nav.scriptObjects[static_cast<size_t>(type)] = script.empty() ? 0 : WriteScript(script);
    }
}

void FolivoImpl::WriteScriptCatalogLines() {
    const auto& objects = doc_.nav.scriptObjects;
    if (objects[kDocumentOpen] != 0) WriteLine("/OpenAction " + ScriptAction(objects[kDocumentOpen]));
    std::string actions;
    for (size_t i = 0; i < kDocumentActionKeys.size(); ++i) {
        if (objects[i + 3] != 0) actions += kDocumentActionKeys[i] + ScriptAction(objects[i + 3]);
    }
    if (!actions.empty()) WriteLine("/AA <<" + actions + " >>");
    if (objects[kDocumentLevel] != 0) {
        WriteLine("/Names << /JavaScript << /Names [ " + QuoteString("globalscript") + " " +
                  ScriptAction(objects[kDocumentLevel]) + " ] >> >>");
    }
}

}  // namespace folivo
