#pragma once
// Named destinations: "/_LINK_n" entries made by internal links and "/_REF_name" entries made by
// DefineRef, written as one dictionary at the end of the document.

#include <cstdint>
#include <string>
#include <vector>

namespace folivo::navigation {

struct NamedDestination {
    int32_t page = 0;  // 0 or beyond the last page: the last page
    std::string name;  // a PDF name token, with its "/"
    std::string view;  // "/FitB" ...
};

class DestinationTable {
public:
    // Adds "/_LINK_n" (n from 1) and returns the name.
    std::string AddLink(int32_t page, std::string view);
    // Adds "/_REF_" + refName, the name made safe as a PDF name; returns it.
    std::string AddRef(const std::string& refName, int32_t page, std::string view);
    bool Empty() const { return entries_.empty(); }
    const std::vector<NamedDestination>& Entries() const { return entries_; }

private:
    std::vector<NamedDestination> entries_;
    int32_t links_ = 0;
};

// A name token: "/" + text, with delimiters, blanks, "#" and bytes outside 33..126 written as #xx.
std::string NameToken(const std::string& text);

}  // namespace folivo::navigation
