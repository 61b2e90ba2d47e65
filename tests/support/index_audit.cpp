#include "tests/support/index_audit.hpp"

#include <set>
#include <string_view>

namespace kv::test {
namespace {

constexpr int kEntries = 128;
constexpr char kFree = static_cast<char>(252);

long Number(std::string_view digits) {
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos) return -1;
    long value = 0;
    for (char digit : digits) value = value * 10 + (digit - '0');
    return value;
}

struct Entry {
    std::string_view key;  // views into the file's bytes
    char level;
    std::string_view pointer;
};

class Auditor {
public:
    Auditor(const std::string& file, int keyLength, IndexAudit& out)
        : file_(file), k_(keyLength), size_(static_cast<size_t>(kEntries) * (keyLength + 7)), out_(out) {}

    void Run() {
        if (file_.empty() || file_.size() % size_ != 0) {
            Problem("file length " + std::to_string(file_.size()) + " is not a whole number of nodes");
            return;
        }
        std::vector<Entry> root = Node(1, '1');
        for (const Entry& entry : root) {
            ++out_.middleNodes;
            std::vector<Entry> middle = Child(entry, '2');
            for (const Entry& leafEntry : middle) {
                ++out_.leaves;
                for (const Entry& item : Child(leafEntry, '3')) {
                    if (!out_.entries.empty() && out_.entries.back().first >= item.key) {
                        Problem("key " + std::string(item.key) + " out of order across leaves");
                    }
                    out_.entries.emplace_back(std::string(item.key), static_cast<int32_t>(Number(item.pointer)));
                }
            }
        }
    }

private:
    void Problem(const std::string& text) { out_.problems.push_back(text); }

    // The used entries of the node an upper entry points to; its key must be their highest.
    std::vector<Entry> Child(const Entry& parent, char level) {
        long record = Number(parent.pointer);
        if (record < 1 || static_cast<size_t>(record) > file_.size() / size_) {
            Problem("pointer " + std::string(parent.pointer) + " outside the file");
            return {};
        }
        if (!seen_.insert(record).second) {
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

    std::vector<Entry> Node(long record, char level) {
        std::string_view text = std::string_view(file_).substr(static_cast<size_t>(record - 1) * size_, size_);
        const size_t k = static_cast<size_t>(k_);
        std::vector<Entry> used;
        bool inFree = false;
        for (int i = 0; i < kEntries; ++i) {
            std::string_view raw = text.substr(static_cast<size_t>(i) * (k + 7), k + 7);
            Entry entry{raw.substr(0, k), raw[k], raw.substr(k + 1)};
            auto where = [&] { return "node " + std::to_string(record) + " entry " + std::to_string(i + 1); };
            if (entry.level != level) Problem(where() + " has level " + entry.level);
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

    const std::string& file_;
    int k_;
    size_t size_;
    IndexAudit& out_;
    std::set<long> seen_;
};

}  // namespace

IndexAudit AuditIndex(const std::string& file, int keyLength) {
    IndexAudit audit;
    Auditor(file, keyLength, audit).Run();
    return audit;
}

}  // namespace kv::test
