#pragma once
// The part of the PDF writer the output layer drives, as a port: the Folivo adapter writes real
// files, tests record the calls. Every failure is a platform RuntimeError; BeginDoc records its
// failure in ErrNumber/ErrDescription instead, as Folivo does.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace kv::output {

class PdfWriter {
public:
    virtual ~PdfWriter() = default;

    virtual void SetDocProperty(const std::string& title, const std::string& subject, const std::string& author,
                                const std::string& creator, const std::string& producer,
                                const std::string& keywords) = 0;
    virtual void SetScale(int32_t scaleMode, float userFactor) = 0;
    virtual void SetPaperSize(int32_t paperSize, float userWidth, float userHeight) = 0;
    virtual void SetMargins(float left, float right, float top, float bottom, bool clipPage) = 0;
    virtual void SetPageView(int32_t viewMode) = 0;
    virtual void SetViewerPreferences(int32_t mode) = 0;
    virtual void SetCompression(int32_t mode, uint8_t quality) = 0;
    virtual void SetProtection(int32_t mode, const std::string& ownerPassword, const std::string& userPassword) = 0;
    // PDF/A (level 2) and the TrueType files of the standard fonts; failures are recorded, not thrown.
    virtual void SetPDFA(int32_t level) = 0;
    virtual void SetStandardFontFile(const std::string& name, const std::string& hostPath) = 0;

    // Opens the file (a host path); a failure is recorded, not thrown.
    virtual void BeginDoc(const std::string& hostPath) = 0;
    virtual int32_t ErrNumber() const = 0;
    virtual std::string ErrDescription() const = 0;
    virtual void EndDoc() = 0;
    // Closes the file unfinished and resets the writer; never throws.
    virtual void Abort() = 0;

    virtual void BeginPage() = 0;
    virtual void SetFont(const std::string& family, float size, int32_t style, int32_t encoding) = 0;
    virtual void DrawText(float x, float y, const std::string& text, int32_t align) = 0;
};

// Makes the fresh writer of each document.
using PdfWriterFactory = std::function<std::unique_ptr<PdfWriter>()>;

}  // namespace kv::output
