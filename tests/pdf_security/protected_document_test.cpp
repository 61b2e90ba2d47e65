// Whole documents written with SetProtection, opened by qpdf, poppler and pikepdf with the user
// and the owner password.

#include <gtest/gtest.h>

#include <regex>

#include "tests/pdf_support/readback.hpp"

namespace {

using kv::test::Run;
using kv::test::ShellQuote;

struct Protection {
    int32_t mode;
    std::string owner;
    std::string user;
};

// The output of an outside tool that must succeed.
std::string Ran(const std::string& command) {
    const auto r = Run(command);
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

// pdftotext with the owner password (-opw) or the user password (-upw).
std::string TextWith(const std::filesystem::path& pdf, const std::string& option, const std::string& password) {
    return Ran("pdftotext -enc Latin1 " + option + " " + ShellQuote(password) + " " + ShellQuote(pdf.string()) + " -");
}

// Opens the file with both passwords through qpdf, pdftotext, pdfinfo and qpdf --show-encryption,
// and checks the revision and the permissions qpdf reads.
void ExpectOpensWith(const std::filesystem::path& pdf, const Protection& p) {
    const std::string owner = p.owner.empty() ? p.user : p.owner;
    for (const auto& [option, password] : {std::pair{"-upw", p.user}, std::pair{"-opw", owner}}) {
        SCOPED_TRACE(std::string(option) + " '" + password + "'");
        const auto check = kv::test::QpdfCheck(pdf, password);
        EXPECT_EQ(check.status, 0) << check.output;
        const std::string text = TextWith(pdf, option, password);
        EXPECT_NE(text.find(std::string(folivo::test::kSampleLine) + " riga 139"), std::string::npos) << text;
        EXPECT_NE(text.find("riga 201"), std::string::npos);
    }
    const std::string shown = ShowEncryption(pdf, owner);
    EXPECT_NE(shown.find("Supplied password is owner password"), std::string::npos) << shown;
    EXPECT_NE(shown.find((p.mode & 4096) ? "R = 3" : "R = 2"), std::string::npos) << shown;
    for (const auto& [bit, name] : {std::pair{4, "print low resolution: "}, std::pair{16, "extract for any purpose: "}}) {
        EXPECT_NE(shown.find(std::string(name) + ((p.mode & bit) ? "allowed" : "not allowed")), std::string::npos)
            << shown;
    }
    if (!p.owner.empty() && p.owner != p.user) {
        const std::string asUser = ShowEncryption(pdf, p.user);
        EXPECT_NE(asUser.find("Supplied password is user password"), std::string::npos) << asUser;
    }
    const std::string info = Ran("pdfinfo -upw " + ShellQuote(p.user) + " " + ShellQuote(pdf.string()));
    EXPECT_TRUE(std::regex_search(info, std::regex(R"(Title: +Elenco Documenti \(2026\)\n)"))) << info;
    EXPECT_TRUE(std::regex_search(info, std::regex(std::string("Author: +") + folivo::test::kSampleAuthor + "\n")))
        << info;
}

TEST(ProtectedDocument, OpensWithUserAndOwnerPasswordsAtBothStrengths) {
    const struct {
        Protection p;
        const char* entry;  // the raw /P line and handler version, when the case has a known value
    } cases[] = {
        {{0, "", ""}, "\n/P -64\n/V 1 /R 2 >>"},
        {{4, "padrone", ""}, ""},
        {{4 + 8 + 16 + 32, "padrone", "utente"}, ""},
        {{16, "", "utente"}, ""},
        {{4096, "", ""}, ""},
        {{4096 + 4 + 16, "own", ""}, "\n/P -3884\n/V 2 /R 3 /Length 128 >>"},
        {{4096 + 4095 - 64 - 128 - 3, "padrone", "utente"}, ""},
        {{4096 + 2048 + 512, "", "utente"}, ""},
    };
    kv::test::TempDir dir("protected");
    for (const auto& [p, entry] : cases) {
        SCOPED_TRACE("mode " + std::to_string(p.mode));
        const auto pdf = dir / ("case" + std::to_string(p.mode) + ".pdf");
        folivo::test::WriteSampleDocument(pdf, [&](folivo::Folivo& f) { f.SetProtection(p.mode, p.owner, p.user); });
        ExpectOpensWith(pdf, p);
        const std::string bytes = kv::test::ReadFile(pdf);
        EXPECT_NE(bytes.find(entry), std::string::npos);
        EXPECT_EQ(bytes.substr(0, 9), (p.mode & 4096) ? "%PDF-1.4\n" : "%PDF-1.3\n");
        EXPECT_TRUE(std::regex_search(bytes, std::regex("/Encrypt [0-9]+ 0 R /ID \\[<([0-9A-F]+)><\\1>\\]\n>>")));
    }
    EXPECT_NE(kv::test::PdfToText(dir / "case0.pdf").find("riga 100"), std::string::npos) << "opens without a password";
}

TEST(ProtectedDocument, SameInputsGiveIdenticalEntriesAndIdentifier) {
    kv::test::TempDir dir("repeat");
    auto protect = [](folivo::Folivo& f) { f.SetProtection(4096 + 4, "proprietario", "lettore"); };
    folivo::test::WriteSampleDocument(dir / "a.pdf", protect);
    folivo::test::WriteSampleDocument(dir / "b.pdf", protect);
    folivo::test::WriteSampleDocument(dir / "c.pdf", [](folivo::Folivo& f) { f.SetProtection(4096 + 4, "proprietario", "altro"); });
    const std::string a = kv::test::ReadFile(dir / "a.pdf");
    const std::string b = kv::test::ReadFile(dir / "b.pdf");
    const std::string c = kv::test::ReadFile(dir / "c.pdf");
    const std::string entriesA = Between(a, "/Filter /Standard", "/V 2");
    ASSERT_FALSE(entriesA.empty());
    EXPECT_EQ(entriesA, Between(b, "/Filter /Standard", "/V 2"));
    EXPECT_EQ(Between(a, "/ID [", "]"), Between(b, "/ID [", "]"));
    EXPECT_NE(entriesA, Between(c, "/Filter /Standard", "/V 2"));
    EXPECT_EQ(Between(a, "/ID [", "]"), Between(c, "/ID [", "]")) << "the identifier comes from the producer only";
}

TEST(ProtectedDocument, StringsAndStreamsAreEncipheredButNotBeforeTheCall) {
    kv::test::TempDir dir("cipher");
    folivo::test::WriteSampleDocument(dir / "plain.pdf", [](folivo::Folivo&) {});
    folivo::test::WriteSampleDocument(dir / "secret.pdf", [](folivo::Folivo& f) { f.SetProtection(4, "o", "u"); });
    const std::string plain = kv::test::ReadFile(dir / "plain.pdf");
    const std::string secret = kv::test::ReadFile(dir / "secret.pdf");
    EXPECT_NE(plain.find("ROSSI MARIO"), std::string::npos);
    EXPECT_NE(plain.find("(Studio Bianchi)"), std::string::npos);
    EXPECT_EQ(secret.find("ROSSI MARIO"), std::string::npos) << "content streams are enciphered";
    EXPECT_EQ(secret.find("Studio Bianchi"), std::string::npos) << "information strings are enciphered";
    EXPECT_EQ(secret.find("Elenco Documenti"), std::string::npos);
    // With the owner password qpdf writes a decrypted copy whose strings read back.
    const auto out = dir / "decrypted.pdf";
    const auto r = kv::test::Run("qpdf --password=o --decrypt " + ShellQuote((dir / "secret.pdf").string()) + " " + ShellQuote(out.string()));
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_QPDF_CLEAN(out);
    EXPECT_NE(kv::test::ReadFile(out).find("(Studio Bianchi)"), std::string::npos);
}

TEST(ProtectedDocument, CompressionUnderEncryption) {
    kv::test::TempDir dir("both");
    for (int32_t mode : {2, 3, 10, 31}) {
        SCOPED_TRACE("compression " + std::to_string(mode));
        const auto pdf = dir / ("m" + std::to_string(mode) + ".pdf");
        folivo::test::WriteSampleDocument(pdf, [mode](folivo::Folivo& f) {
            f.SetCompression(mode, 2);
            f.SetProtection(4096 + 4, "o", "u");
        });
        ExpectOpensWith(pdf, {4096 + 4, "o", "u"});
    }
}

TEST(ProtectedDocument, BadInput) {
    kv::test::TempDir dir("bad");
    // Passwords longer than 32 characters act as their first 32.
    const std::string longUser(45, 'k');
    folivo::test::WriteSampleDocument(dir / "long.pdf", [&](folivo::Folivo& f) { f.SetProtection(4, "", longUser); });
    folivo::test::WriteSampleDocument(dir / "cut.pdf", [&](folivo::Folivo& f) { f.SetProtection(4, "", longUser.substr(0, 32)); });
    EXPECT_EQ(kv::test::ReadFile(dir / "long.pdf"), kv::test::ReadFile(dir / "cut.pdf"));
    EXPECT_EQ(kv::test::QpdfCheck(dir / "long.pdf", longUser.substr(0, 32)).status, 0);

    // Unknown compression bits are refused and leave the previous setting.
    folivo::test::WriteSampleDocument(dir / "bits.pdf", [](folivo::Folivo& f) {
        f.SetCompression(2);
        EXPECT_THROW(f.SetCompression(2 + 64), folivo::Error);
        EXPECT_THROW(f.SetCompression(-1), folivo::Error);
    });
    const std::string bits = kv::test::ReadFile(dir / "bits.pdf");
    EXPECT_NE(bits.find("/Filter [/FlateDecode ]"), std::string::npos);
    EXPECT_QPDF_CLEAN(dir / "bits.pdf");

    // A stream of no bytes, enciphered as it is and after every filter.
    for (int32_t compression : {0, 31}) {
        const auto pdf = dir / ("empty" + std::to_string(compression) + ".pdf");
        folivo::test::WriteSampleDocument(pdf, [compression](folivo::Folivo& f) {
            f.SetCompression(compression);
            f.SetProtection(4096, "", "");
            f.BeginObject("vuoto");
            f.EndObject();
        });
        const auto check = kv::test::QpdfCheck(pdf);
        EXPECT_EQ(check.status, 0) << check.output;
        EXPECT_EQ(kv::test::ReadFile(pdf).find("/Length 0 >>") != std::string::npos, compression == 0);
    }
}

}  // namespace
