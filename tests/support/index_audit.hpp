#pragma once
// Reads an index file's bytes on its own (without the archive library) and checks the tree:
// three levels, used entries sorted and first, free entries of the node's level, upper keys
// equal to the highest key below, each node reached once.

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kv::test {

struct IndexAudit {
    std::vector<std::string> problems;                        // empty when the tree is sound
    std::vector<std::pair<std::string, int32_t>> entries;     // key -> data record, in tree order
    int middleNodes = 0;                                      // level-2 nodes under the root
    int leaves = 0;
};

namespace index_audit {

inline constexpr size_t kEntries = 128;
inline constexpr char kFree = static_cast<char>(252);

// A pointer's digits as a number; -1 when they are not all digits.
inline long Number(std::string_view digits) {
    long value = 0;
    for (char digit : digits) {
        if (digit < '0' || digit > '9') return -1;
        value = value * 10 + (digit - '0');
    }
    return digits.empty() ? -1 : value;
}

struct Entry {
    std::string_view key, pointer;  // views into the file's bytes
};

struct Auditor {
    const std::string& file;
    size_t k;
    size_t size;  // of a node
    IndexAudit& out;
    std::set<long> seen;

    void Problem(const std::string& text) { out.problems.push_back(text); }

    // The used entries of node `record`, whose entries must all be of `level`.
    std::vector<Entry> Node(long record, char level) {
        std::vector<Entry> used;
        bool inFree = false;
        for (size_t i = 0; i < kEntries; ++i) {
            const std::string_view raw = std::string_view(file).substr((record - 1) * size + i * (k + 7), k + 7);
            const Entry entry{raw.substr(0, k), raw.substr(k + 1)};
            auto where = [&] { return "node " + std::to_string(record) + " entry " + std::to_string(i + 1); };
            if (raw[k] != level) Problem(where() + " has level " + raw[k]);
            if (entry.key[0] == kFree) {
                inFree = true;
                if (entry.key.find_first_not_of(kFree) != std::string_view::npos || entry.pointer != "000000") {
                    Problem(where() + " is a malformed free entry");
                }
                continue;
            }
            if (inFree) Problem(where() + " is used after a free entry");
            if (Number(entry.pointer) < 0) Problem(where() + " has a pointer that is not a number");
            if (!used.empty() && used.back().key >= entry.key) Problem(where() + " out of order");
            used.push_back(entry);
        }
        return used;
    }

    // The used entries of the node an upper entry points to; its key must be their highest.
    std::vector<Entry> Child(const Entry& parent, char level) {
        const long record = Number(parent.pointer);
        if (record < 1 || static_cast<size_t>(record) > file.size() / size) {
            Problem("pointer " + std::string(parent.pointer) + " outside the file");
            return {};
        }
        if (!seen.insert(record).second) {
            Problem("node " + std::to_string(record) + " reached twice");
            return {};
        }
        std::vector<Entry> used = Node(record, level);
        if (used.empty()) {
            Problem("node " + std::to_string(record) + " is empty under an upper entry");
        } else if (used.back().key != parent.key) {
            Problem("upper key " + std::string(parent.key) + " differs from highest key below " +
                    std::string(used.back().key));
        }
        return used;
    }
};

inline IndexAudit AuditIndex(const std::string& file, int keyLength) {
    IndexAudit out;
    const size_t k = static_cast<size_t>(keyLength);
    Auditor audit{file, k, kEntries * (k + 7), out, {}};
    if (file.empty() || file.size() % audit.size != 0) {
        audit.Problem("file length " + std::to_string(file.size()) + " is not a whole number of nodes");
        return out;
    }
    for (const Entry& entry : audit.Node(1, '1')) {
        ++out.middleNodes;
        for (const Entry& leafEntry : audit.Child(entry, '2')) {
            ++out.leaves;
            for (const Entry& item : audit.Child(leafEntry, '3')) {
                if (!out.entries.empty() && out.entries.back().first >= item.key) {
                    audit.Problem("key " + std::string(item.key) + " out of order across leaves");
                }
                out.entries.emplace_back(std::string(item.key), static_cast<int32_t>(Number(item.pointer)));
            }
        }
    }
    return out;
}

}  // namespace index_audit

using index_audit::AuditIndex;

}  // namespace kv::test
