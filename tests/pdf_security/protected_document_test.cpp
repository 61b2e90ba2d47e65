// Whole documents written with SetProtection, opened by qpdf and poppler with the user and the
// owner password.

#include <gtest/gtest.h>

#include <regex>

#include "tests/pdf_support/readback.hpp"

namespace folivo::test {
namespace {

using kv::test::ShellQuote;

struct Protection {
    int32_t mode;
    std::string owner;
    std::string user;
};

// The output of an outside tool that must succeed.
std::string Ran(const std::string& command) {
    const auto r = kv::test::Run(command);
    EXPECT_EQ(r.status, 0) << command << "\n" << r.output;
    return r.output;
}

std::string ShowEncryption(const std::filesystem::path& pdf, const std::string& password) {
    return Ran("qpdf --show-encryption --password=" + ShellQuote(password) + " " + ShellQuote(pdf.string()));
}

// The raw bytes of the file between two markers (for entries written unencrypted).
std::string Between(const std::string& bytes, const std::string& from, const std::string& to) {
    const size_t a = bytes.find(from);
    const size_t b = a == std::string::npos ? a : bytes.find(to, a);
    return a == std::string::npos || b == std::string::npos ? "" : bytes.substr(a, b - a);
}

// Writes the sample document with `setup` and returns its bytes.
std::string Sample(const std::filesystem::path& pdf, const std::function<void(Folivo&)>& setup) {
    WriteSampleDocument(pdf, setup);
    return kv::test::ReadFile(pdf);
}

// Opens the file with both passwords through qpdf, pdftotext and mutool, checks the revision and
// the permissions qpdf reads and the information pdfinfo deciphers, and that a wrong password is refused.
void ExpectOpensWith(const std::filesystem::path& pdf, const Protection& p) {
    const std::string owner = p.owner.empty() ? p.user : p.owner;
    if (!p.user.empty()) {
        EXPECT_NE(kv::test::QpdfCheck(pdf, "sbagliata").status, 0) << "a wrong password opens it";
    }
    for (const auto& [option, password] : {std::pair{"-upw", p.user}, std::pair{"-opw", owner}}) {
        SCOPED_TRACE(std::string(option) + " '" + password + "'");
        const auto check = kv::test::QpdfCheck(pdf, password);
        EXPECT_EQ(check.status, 0) << check.output;
        ExpectContains(Ran("pdftotext -enc Latin1 " + std::string(option) + " " + ShellQuote(password) + " " +
                           ShellQuote(pdf.string()) + " -"),
                       {std::string(kSampleLine) + " riga 139", "riga 201"});
        ExpectContains(Ran("mutool draw -q -F txt -o - -p " + ShellQuote(password) + " " + ShellQuote(pdf.string()) + " 1"),
                       {"riga 1"});
    }
    const char* revision = (p.mode & 16384) ? "R = 6" : (p.mode & 8192) ? "R = 4" : (p.mode & 4096) ? "R = 3" : "R = 2";
    ExpectContains(ShowEncryption(pdf, owner),
                   {"Supplied password is owner password", revision,
                    std::string("print low resolution: ") + ((p.mode & 4) ? "allowed" : "not allowed"),
                    std::string("extract for any purpose: ") + ((p.mode & 16) ? "allowed" : "not allowed")});
    if (!p.owner.empty() && p.owner != p.user) {
        ExpectContains(ShowEncryption(pdf, p.user), {"Supplied password is user password"});
    }
    ExpectContains(Ran("pdfinfo -upw " + ShellQuote(p.user) + " " + ShellQuote(pdf.string())),
                   {std::string("Title:           ") + kSampleTitle + "\n", std::string("Author:          ") + kSampleAuthor + "\n"});
}

TEST(ProtectedDocument, OpensWithUserAndOwnerPasswordsAtEveryStrengthAndCompression) {
    const struct {
        Protection p;
        int32_t compression;
        const char* header;
        const char* entry;  // the raw /P line and handler version, when the case has a known value
    } cases[] = {
        {{0, "", ""}, 0, "%PDF-1.3\n", "\n/P -64\n/V 1 /R 2 >>"},
        {{4 + 8 + 16 + 32, "padrone", "utente"}, 0, "%PDF-1.3\n", ""},
        {{16, "", "utente"}, 3, "%PDF-1.3\n", ""},
        {{4096 + 4 + 16, "own", ""}, 0, "%PDF-1.4\n", "\n/P -3884\n/V 2 /R 3 /Length 128 >>"},
        {{4096 + 4095 - 64 - 128 - 3, "padrone", "utente"}, 31, "%PDF-1.4\n", ""},
        {{4096 + 2048 + 512, "", "utente"}, 10, "%PDF-1.4\n", ""},
        {{8192 + 4 + 16, "padrone", "utente"}, 2, "%PDF-1.6\n",
         "\n/P -3884\n/V 4 /R 4 /Length 128 /CF << /StdCF << /CFM /AESV2"},
        {{8192, "", ""}, 0, "%PDF-1.6\n", ""},
        {{16384 + 8192 + 4, "padrone", ""}, 31, "%PDF-1.7\n", "/V 5 /R 6 /Length 256 /CF << /StdCF << /CFM /AESV3"},
        {{16384 + 2048 + 16, "", "utente"}, 0, "%PDF-1.7\n", ""},
    };
    kv::test::TempDir dir("protected");
    for (const auto& c : cases) {
        SCOPED_TRACE("mode " + std::to_string(c.p.mode));
        const auto pdf = dir / ("case" + std::to_string(c.p.mode) + ".pdf");
        const std::string bytes = Sample(pdf, [&](Folivo& f) {
            f.SetCompression(c.compression, 2);
            f.SetProtection(c.p.mode, c.p.owner, c.p.user);
        });
        ExpectOpensWith(pdf, c.p);
        EXPECT_TRUE(Contains(bytes, c.entry));
        EXPECT_EQ(bytes.substr(0, 9), c.header);
        EXPECT_TRUE(std::regex_search(bytes, std::regex("/Encrypt [0-9]+ 0 R /ID \\[<([0-9A-F]+)><\\1>\\]\n>>")));
    }
    EXPECT_TRUE(Contains(kv::test::PdfToText(dir / "case0.pdf"), "riga 100")) << "opens without a password";
}

TEST(ProtectedDocument, SameInputsGiveIdenticalEntriesAndIdentifier) {
    kv::test::TempDir dir("repeat");
    auto protect = [](Folivo& f) { f.SetProtection(4096 + 4, "proprietario", "lettore"); };
    const std::string a = Sample(dir / "a.pdf", protect);
    const std::string b = Sample(dir / "b.pdf", protect);
    const std::string c = Sample(dir / "c.pdf", [](Folivo& f) { f.SetProtection(4096 + 4, "proprietario", "altro"); });
    const std::string entriesA = Between(a, "/Filter /Standard", "/V 2");
    ASSERT_FALSE(entriesA.empty());
    EXPECT_EQ(entriesA, Between(b, "/Filter /Standard", "/V 2"));
    EXPECT_EQ(Between(a, "/ID [", "]"), Between(b, "/ID [", "]"));
    EXPECT_NE(entriesA, Between(c, "/Filter /Standard", "/V 2"));
    EXPECT_EQ(Between(a, "/ID [", "]"), Between(c, "/ID [", "]")) << "the identifier comes from the producer only";
    // AES documents never share an identifier or a key, even with the same inputs.
    for (int32_t aes : {8192, 16384}) {
        auto strong = [aes](Folivo& f) { f.SetProtection(aes + 4, "proprietario", "lettore"); };
        const std::string d = Sample(dir / "d.pdf", strong);
        const std::string e = Sample(dir / "e.pdf", strong);
        EXPECT_NE(Between(d, "/ID [", "]"), Between(e, "/ID [", "]"));
        EXPECT_NE(Between(d, "/U (", "/P "), Between(e, "/U (", "/P "));
    }
}

TEST(ProtectedDocument, BadInput) {
    kv::test::TempDir dir("bad");
    // Passwords longer than 32 characters act as their first 32.
    const std::string longUser(45, 'k');
    EXPECT_EQ(Sample(dir / "long.pdf", [&](Folivo& f) { f.SetProtection(4, "", longUser); }),
              Sample(dir / "cut.pdf", [&](Folivo& f) { f.SetProtection(4, "", longUser.substr(0, 32)); }));
    EXPECT_EQ(kv::test::QpdfCheck(dir / "long.pdf", longUser.substr(0, 32)).status, 0);

    // Unknown compression bits are refused and leave the previous setting.
    const std::string bits = Sample(dir / "bits.pdf", [](Folivo& f) {
        f.SetCompression(2);
        EXPECT_THROW(f.SetCompression(2 + 64), Error);
        EXPECT_THROW(f.SetCompression(-1), Error);
    });
    EXPECT_TRUE(Contains(bits, "/Filter [/FlateDecode ]"));
    EXPECT_QPDF_CLEAN(dir / "bits.pdf");

    // A stream of no bytes, enciphered as it is and after every filter.
    for (int32_t compression : {0, 31}) {
        const auto pdf = dir / ("empty" + std::to_string(compression) + ".pdf");
        const std::string bytes = Sample(pdf, [compression](Folivo& f) {
            f.SetCompression(compression);
            f.SetProtection(4096, "", "");
            f.BeginObject("vuoto");
            f.EndObject();
        });
        EXPECT_QPDF_CLEAN(pdf);
        EXPECT_EQ(Contains(bytes, "/Length 0 >>"), compression == 0);
    }
}

}  // namespace
}  // namespace folivo::test
