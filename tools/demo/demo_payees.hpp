#pragma once
// The demo installation's payees (percipienti, layout PERX$, logical file 63): self-employed
// professionals and sales agents with Italian names, fiscal codes, birthplaces and addresses.
// Record n holds payee code n. One payee is marked 99 (removed) though it still has fee notes;
// one live payee has none.

#include <string>
#include <vector>

namespace kv::demo {

enum class PayeeKind { Professional, FlatRate, Agent };

struct DemoPayee {
    int code;            // also the record number
    std::string status;  // "00" live, "99" removed
    PayeeKind kind;
    std::string surname, name, fiscalCode;
    std::string birthplace, birthProvince, birthDate;  // birth date DDMMYYYY
    std::string address, town, province;               // address and town may exceed their first part
    std::string reasonCode, reason;                    // reason of payment
    std::string withholdingRate;                       // digits with 2 implied decimals, "2000"
    bool hasNotes;
};

inline constexpr int kRemovedPayee = 13;
inline constexpr int kPayeeWithoutNotes = 27;

const std::vector<DemoPayee>& DemoPayees();

// The payee's record (layout PERX$) of the given length.
std::string PayeeRecord(const DemoPayee& payee, std::size_t recordLength);

}  // namespace kv::demo
