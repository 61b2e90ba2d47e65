// The command line of kvvelm-batch: values, defaults and the errors of a bad command line.

#include <gtest/gtest.h>

#include "cli/batch_options.hpp"

namespace kv::cli {
namespace {

TEST(BatchOptions, DefaultsAndValues) {
    auto none = ParseBatchOptions({});
    EXPECT_EQ(none.error, "");
    EXPECT_EQ(none.options.year, "precedente");
    EXPECT_EQ(none.options.order, "codice");
    EXPECT_EQ(none.options.output, "pdf");
    EXPECT_TRUE(none.options.months.empty());
    EXPECT_FALSE(none.options.report.has_value());

    auto set = ParseBatchOptions({"--report", "certificazioni", "--mesi=3,1,3", "--ditte", "1,02,003",
                                  "--anno", "corrente", "--uscita=stampa", "--data", "31/12/2025"});
    EXPECT_EQ(set.error, "");
    EXPECT_EQ(set.options.report, "certificazioni");
    EXPECT_EQ(set.options.months, (std::vector<int>{3, 1}));
    EXPECT_EQ(set.options.companies, (std::vector<std::string>{"001", "002", "003"}));
    EXPECT_EQ(set.options.year, "corrente");
    EXPECT_EQ(set.options.output, "stampa");
    EXPECT_EQ(set.options.date, "31/12/2025");

    auto all = ParseBatchOptions({"--mesi", "tutti", "--ditte", "tutte", "--info"});
    EXPECT_TRUE(all.options.months.empty());
    EXPECT_TRUE(all.options.allCompanies);
    EXPECT_TRUE(all.options.info);
}

TEST(BatchOptions, BadCommandLinesNameTheProblem) {
    EXPECT_EQ(ParseBatchOptions({"--mesi", "0"}).error, "--mesi: \"0\": atteso un mese da 1 a 12");
    EXPECT_EQ(ParseBatchOptions({"--mesi", "1,,2"}).error, "--mesi: \"\": atteso un mese da 1 a 12");
    EXPECT_EQ(ParseBatchOptions({"--ditte", "A1"}).error,
              "--ditte: \"A1\": atteso un codice ditta di al massimo tre cifre");
    EXPECT_EQ(ParseBatchOptions({"--ordine", "nome"}).error,
              "--ordine: atteso codice o ragione, non \"nome\"");
    EXPECT_EQ(ParseBatchOptions({"--data"}).error, "--data richiede un valore");
    EXPECT_EQ(ParseBatchOptions({"documenti"}).error, "opzione sconosciuta \"documenti\"");
    EXPECT_EQ(ParseBatchOptions({"--help=yes"}).error, "opzione sconosciuta \"--help\"");
}

}  // namespace
}  // namespace kv::cli
