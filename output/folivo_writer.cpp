#include "output/folivo_writer.hpp"

#include <optional>
#include <utility>

#include "pdf/folivo.hpp"
#include "platform/errors.hpp"

namespace kv::output {

namespace {

// Runs a Folivo call, turning its error into the platform's.
template <class Call>
void Translated(Call&& call) {
    try {
        call();
    } catch (const folivo::Error& error) {
        throw platform::RuntimeError(error.number(), error.what());
    }
}

class FolivoWriter : public PdfWriter {
public:
    explicit FolivoWriter(folivo::Host* host)
        : pdf_(host != nullptr ? std::make_unique<folivo::Folivo>(*host) : std::make_unique<folivo::Folivo>()) {}

    void SetDocProperty(const std::string& title, const std::string& subject, const std::string& author,
                        const std::string& creator, const std::string& producer,
                        const std::string& keywords) override {
        Translated([&] { pdf_->SetDocProperty(title, subject, author, creator, producer, keywords); });
    }
    void SetScale(int32_t scaleMode, float userFactor) override {
        Translated([&] { pdf_->SetScale(scaleMode, userFactor); });
    }
    void SetPaperSize(int32_t paperSize, float userWidth, float userHeight) override {
        Translated([&] { pdf_->SetPaperSize(paperSize, userWidth, userHeight); });
    }
    void SetMargins(float left, float right, float top, float bottom, bool clipPage) override {
        Translated([&] { pdf_->SetMargins(left, right, top, bottom, clipPage); });
    }
    void SetPageView(int32_t viewMode) override {
        Translated([&] { pdf_->SetPageView(viewMode); });
    }
    void SetViewerPreferences(int32_t mode) override {
        Translated([&] { pdf_->SetViewerPreferences(mode); });
    }
    void SetCompression(int32_t mode, uint8_t quality) override {
        Translated([&] { pdf_->SetCompression(mode, quality); });
    }
    void SetProtection(int32_t mode, const std::string& ownerPassword, const std::string& userPassword) override {
        Translated([&] { pdf_->SetProtection(mode, ownerPassword, userPassword); });
    }
    void SetPDFA(int32_t level) override { pdf_->SetPDFA(level); }
    void SetStandardFontFile(const std::string& name, const std::string& hostPath) override {
        pdf_->SetStandardFontFile(name, hostPath);
    }
    void BeginDoc(const std::string& hostPath) override {
        font_.reset();
        pdf_->BeginDoc(hostPath);
    }
    int32_t ErrNumber() const override { return pdf_->ErrNumber(); }
    std::string ErrDescription() const override { return pdf_->ErrDescription(); }
    void EndDoc() override {
        font_.reset();
        Translated([&] { pdf_->EndDoc(); });
    }
    void Abort() override {
        font_.reset();
        try {
            pdf_->Abort();
        } catch (const folivo::Error&) {
            // Abort is the last resort of a failed document: nothing further can be done.
        }
    }
    void BeginPage() override {
        Translated([&] { pdf_->BeginPage(); });
    }
    // The reports set the body font before every line; Folivo's SetFont with the font already set
    // changes nothing, so a call that repeats the one before is not passed on.
    void SetFont(const std::string& family, float size, int32_t style, int32_t encoding) override {
        Font font{family, size, style, encoding};
        if (font_ == font) return;
        font_.reset();
        Translated([&] { pdf_->SetFont(family, size, style, encoding); });
        font_ = std::move(font);
    }
    void DrawText(float x, float y, const std::string& text, int32_t align) override {
        Translated([&] { pdf_->DrawText(x, y, text, align); });
    }

private:
    struct Font {
        std::string family;
        float size;
        int32_t style;
        int32_t encoding;
        bool operator==(const Font&) const = default;
    };

    std::unique_ptr<folivo::Folivo> pdf_;
    std::optional<Font> font_;  // the last font set on this document
};

}  // namespace

PdfWriterFactory FolivoWriterFactory(folivo::Host* host) {
    return [host]() -> std::unique_ptr<PdfWriter> { return std::make_unique<FolivoWriter>(host); };
}

}  // namespace kv::output
