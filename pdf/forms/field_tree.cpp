#include "pdf/forms/field_tree.hpp"

#include <algorithm>

namespace folivo::forms {

namespace {

std::string Joined(const std::vector<std::string>& parts, size_t count) {
    std::string name;
    for (size_t i = 0; i < count; ++i) name += (i == 0 ? "" : ".") + parts[i];
    return name;
}

}  // namespace

std::vector<std::string> NameParts(const std::string& name) {
    std::vector<std::string> parts(1);
    for (char c : name) {
        if (c == '.') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    const bool flat = std::any_of(parts.begin(), parts.end(), [](const std::string& p) { return p.empty(); });
    return flat ? std::vector<std::string>{name} : parts;
}

size_t FieldTree::Make(FieldNode node) {
    byName_[{node.radio, node.name}] = nodes_.size();
    byObject_[node.object] = nodes_.size();
    nodes_.push_back(std::move(node));
    return nodes_.size() - 1;
}

size_t FieldTree::Branch(const std::vector<std::string>& parts, size_t count, const Reserve& reserve) {
    const std::string name = Joined(parts, count);
    if (const auto found = byName_.find({false, name}); found != byName_.end()) return found->second;
    FieldNode node;
    node.name = name;
    node.partial = parts[count - 1];
    node.parent = count > 1 ? nodes_[Branch(parts, count - 1, reserve)].object : 0;
    node.object = reserve();
    return Make(std::move(node));
}

int32_t FieldTree::ParentOf(const std::vector<std::string>& parts, bool radio, int32_t flags,
                            const std::string& tooltip, const Reserve& reserve) {
    const int32_t branch = parts.size() > 1 ? nodes_[Branch(parts, parts.size() - 1, reserve)].object : 0;
    if (!radio) return branch;
    const std::string name = Joined(parts, parts.size());
    if (const auto found = byName_.find({true, name}); found != byName_.end()) return nodes_[found->second].object;
    FieldNode group;
    group.name = name;
    group.partial = parts.back();
    group.parent = branch;
    group.object = reserve();
    group.radio = true;
    group.flags = flags;
    group.tooltip = tooltip;
    return nodes_[Make(std::move(group))].object;
}

void FieldTree::Add(int32_t object, int32_t parent) {
    if (parent == 0) {
        roots_.push_back(object);
        return;
    }
    // A node joins its own parent with its first kid, so that fields keep the order they were added in.
    const auto found = byObject_.find(parent);
    if (found == byObject_.end()) return;
    FieldNode& node = nodes_[found->second];
    if (node.kids.empty()) Add(node.object, node.parent);
    node.kids.push_back(object);
}

void FieldTree::MarkOn(int32_t radioField) {
    if (const auto found = byObject_.find(radioField); found != byObject_.end()) nodes_[found->second].on = true;
}

}  // namespace folivo::forms
