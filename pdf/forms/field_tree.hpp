#pragma once
// The form's field hierarchy: a dotted name "a.b.c" is the field "c" under the fields "a" and
// "a.b", which hold no widget; radio buttons of one name are the widgets of one radio field.
// Nodes get their object numbers when first needed (a kid names its parent) and are written
// by EndDoc; /Fields lists only the roots.

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace folivo::forms {

// The parts of a dotted name; a name with an empty part ("a..b", ".a", "a.") stays one flat part.
std::vector<std::string> NameParts(const std::string& name);

struct FieldNode {
    std::string name;     // the full dotted name
    std::string partial;  // its last part, the node's /T
    int32_t object = 0;
    int32_t parent = 0;   // the parent node's object, 0 for a root
    std::vector<int32_t> kids;
    bool radio = false;   // a radio field; its kids are the buttons' widgets
    int32_t flags = 0;    // a radio field's /Ff
    bool on = false;      // a radio field with a button ticked
    std::string tooltip;  // a radio field's /TU, from its first button
};

class FieldTree {
public:
    using Reserve = std::function<int32_t()>;  // hands out an object number to write later

    // The object of the node that holds a field named by `parts` as its kid, 0 for a root field;
    // for a radio button this is its radio field, made with `flags` and `tooltip` when first met.
    int32_t ParentOf(const std::vector<std::string>& parts, bool radio, int32_t flags, const std::string& tooltip,
                     const Reserve& reserve);
    // Adds a written field or widget under its parent (0: as a root); a node is listed under its
    // own parent when its first kid is added.
    void Add(int32_t object, int32_t parent);
    void MarkOn(int32_t radioField);

    const std::vector<FieldNode>& Nodes() const { return nodes_; }
    const std::vector<int32_t>& Roots() const { return roots_; }

private:
    // The index of the non-radio node of the first `count` parts, made with its ancestors.
    size_t Branch(const std::vector<std::string>& parts, size_t count, const Reserve& reserve);
    size_t Make(FieldNode node);

    std::vector<FieldNode> nodes_;
    std::map<std::pair<bool, std::string>, size_t> byName_;  // (radio, name): the node's index
    std::map<int32_t, size_t> byObject_;
    std::vector<int32_t> roots_;
};

}  // namespace folivo::forms
