#include "archive/isam.hpp"

#include <algorithm>

#include "archive/archive_state.hpp"
#include "archive/file_naming.hpp"
#include "archive/file_open.hpp"
#include "archive/file_table.hpp"
#include "archive/isam_tree.hpp"
#include "archive/number_text.hpp"
#include "archive/records.hpp"

namespace kv::archive {
namespace {

// The index file's nodes through the file table: LEGGIREC (result in FINE) and SCRIVIREC.
class TableStore : public IsamStore {
public:
    TableStore(ArchiveState& state, double indexFile) : state_(state), file_(indexFile) {}

    std::string ReadRecord(int32_t record) override {
        state_.FINE = LEGGIREC(state_, file_, record);
        if (state_.FINE != 0) ForgetLength();
        return Entry(state_, file_).buffer;
    }
    void WriteRecord(int32_t record, const std::string& text) override {
        SCRIVIREC(state_, file_, record, text);
    }
    int32_t RecordCount() override {
        const FileEntry& entry = Entry(state_, file_);
        return static_cast<int32_t>(Length() / static_cast<uint64_t>(entry.recordLength));
    }
    std::string Name() const override { return "ISAM index " + NumberText(file_); }

    // The index's length, asked of the file once and kept until a write or ForgetLength (an
    // empty index is asked again, since another program may fill it).
    uint64_t Length() {
        FileEntry& entry = Entry(state_, file_);
        if (!entry.file) throw platform::RuntimeError(platform::err::kBadFileNameOrNumber);
        if (!entry.isam.length || *entry.isam.length == 0) entry.isam.length = entry.file->Length();
        return *entry.isam.length;
    }
    void ForgetLength() override { Entry(state_, file_).isam.length.reset(); }

private:
    ArchiveState& state_;
    double file_;
};

void Message(ArchiveState& state, const std::string& text) {
    platform::ShowMessage(state.services, {state.services.projectName, text, platform::Icon::None,
                                           platform::Buttons::Ok, std::nullopt, {}});
}

bool IsKnownCode(double code) {
    return code == isam::kInsert || code == isam::kFind || code == isam::kDelete ||
           code == isam::kReadNext || code == isam::kCreate;
}

// The key length a record length allows: record length = 128 × (key length + 7); 0 when none.
int KeyLengthFor(double recordLength) {
    const auto length = static_cast<long long>(recordLength);
    if (length != recordLength || length % kIsamEntries != 0 || length / kIsamEntries <= 7) return 0;
    return static_cast<int>(length / kIsamEntries - 7);
}

// The checks made before any operation, in their order. Returns the message to show, or
// empty text when the operation may run.
std::string CheckMessage(TableStore& store, const FileEntry& entry, double indexFile, std::string_view key,
                         double code) {
    if (code == isam::kCreate) {
        return KeyLengthFor(entry.recordLength) == 0 ? "ERRORE ISAM - LUNK NO OK" : "";
    }
    if (store.Length() == 0) return "ERRORE ISAM - FILE VUOTO " + NumberText(indexFile);
    if (key.empty()) return "ERRORE ISAM - LUNK=0";
    if ((static_cast<double>(key.size()) + 7) * kIsamEntries != entry.recordLength) {
        return "ERRORE ISAM - LUNK NO OK";
    }
    if (code != isam::kReadNext && key.find_first_not_of(' ') == std::string_view::npos) {
        return "ERRORE ISAM - K=BLANK";
    }
    return "";
}

void OpenKeepingCodes(ArchiveState& state, double indexFile) {
    SavedCodes codes = SaveCodes(state);
    FAIOPEN(state, indexFile);
    RestoreCodes(state, codes);
}

}  // namespace

double ISAM(ArchiveState& state, double indexFile, std::string_view key, double code, double recordNumber) {
    if (code == isam::kCreate && !Entry(state, indexFile).file) OpenKeepingCodes(state, indexFile);
    TableStore store(state, indexFile);
    const FileEntry& entry = Entry(state, indexFile);
    if (std::string message = CheckMessage(store, entry, indexFile, key, code); !message.empty()) {
        Message(state, message);
        return 0;
    }
    const int keyLength = KeyLengthFor(entry.recordLength);
    if (code == isam::kInsert && recordNumber == 0) {
        Message(state, "ERR.ISAM - N.REC.=0");
        return -1;
    }
    if (!IsKnownCode(code)) {
        Message(state, "ERRORE CODICE ISAM " + NumberText(code));
        return 0;
    }

    IsamTree tree(store, keyLength, Entry(state, indexFile).isam);
    if (code == isam::kCreate) {
        RICREA(state, indexFile);
        tree.Create();
        return 0;
    }
    if (code == isam::kInsert) {
        // Out-of-range numbers stay out of range for the tree's own check.
        long long record = std::clamp(WholeNumber(recordNumber), -1LL, 1000000LL);
        return tree.Insert(key, static_cast<int32_t>(record));
    }
    if (code == isam::kFind) return tree.Find(key);
    if (code == isam::kDelete) return tree.Delete(key);
    return tree.ReadNext(key, state.CHIAVETROVATA);
}

}  // namespace kv::archive
