#pragma once
// What a link's destination text asks for: its kind (by prefix, in any case) and the rest.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace folivo::navigation {

enum class LinkKind { kUri, kFile, kScript, kRef, kLayer, kBookmark, kPage };

struct LinkTarget {
    LinkKind kind = LinkKind::kUri;
    std::string argument;  // the text after the prefix; the whole text for a URI
};

// "http:" and "mailto:" and any text without a known prefix are URIs.
LinkTarget ParseLinkTarget(const std::string& destination);

// The page a "page:" argument names: FIRST, LAST, NEXT, PREV, a number, +n or -n relative to
// `current`. LAST gives 0 (the last page once the document ends); nullopt when not understood.
std::optional<int32_t> ResolvePage(const std::string& argument, int32_t current);

// The JavaScript of a "layer:" argument: ON(a,b) OFF(c) TOGGLE(d) switch the named layers.
std::string LayerScript(const std::string& argument);

}  // namespace folivo::navigation
