// The errors of a bad command line of kvvelm-batch (its values reach the screen in batch_screen_test).

#include <gtest/gtest.h>

#include "cli/batch_options.hpp"

namespace kv::cli {
namespace {

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
