#pragma once
// A PdfWriter that records the calls of the output layer, for tests that check order and arguments
// without reading a PDF. BeginDoc creates the file it is given and EndDoc completes it (a marker text,
// not a PDF), so tests can see which files stay on disk; a call can be made to fail as a full disk would.

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "output/pdf_writer.hpp"
#include "platform/errors.hpp"

namespace kv::test {

struct WriterLog {
    std::vector<std::string> calls;  // "SetScale(3,1)", "DrawText(0.5,0.85,TEXT,1)" ...
    int writersMade = 0;
    std::string failingCall;        // a call name ("EndDoc") that throws RuntimeError 61
};

class RecordingWriter : public output::PdfWriter {
public:
    explicit RecordingWriter(std::shared_ptr<WriterLog> log) : log_(std::move(log)) {}

    void SetDocProperty(const std::string& title, const std::string& subject, const std::string& author,
                        const std::string& creator, const std::string& producer,
                        const std::string& keywords) override {
        Call("SetDocProperty", {title, subject, author, creator, producer, keywords});
    }
    void SetScale(int32_t mode, float factor) override { Call("SetScale", {Num(mode), Num(factor)}); }
    void SetPaperSize(int32_t size, float w, float h) override { Call("SetPaperSize", {Num(size), Num(w), Num(h)}); }
    void SetMargins(float l, float r, float t, float b, bool clip) override {
        Call("SetMargins", {Num(l), Num(r), Num(t), Num(b), clip ? "-1" : "0"});
    }
    void SetPageView(int32_t mode) override { Call("SetPageView", {Num(mode)}); }
    void SetViewerPreferences(int32_t mode) override { Call("SetViewerPreferences", {Num(mode)}); }
    void SetCompression(int32_t mode, uint8_t quality) override { Call("SetCompression", {Num(mode), Num(quality)}); }
    void SetProtection(int32_t mode, const std::string& owner, const std::string& user) override {
        Call("SetProtection", {Num(mode), owner, user});
    }
    void SetPDFA(int32_t level) override { Call("SetPDFA", {Num(level)}); }
    void SetStandardFontFile(const std::string& name, const std::string& path) override {
        Call("SetStandardFontFile", {name, path});
    }
    void BeginDoc(const std::string& hostPath) override {
        Call("BeginDoc", {hostPath});
        path_ = hostPath;
        std::ofstream(path_) << "recorded document (unfinished)";
    }
    int32_t ErrNumber() const override { return 0; }
    std::string ErrDescription() const override { return ""; }
    void EndDoc() override {
        Call("EndDoc", {});
        std::ofstream(path_) << "recorded document";
    }
    void Abort() override { log_->calls.push_back("Abort()"); }
    void BeginPage() override { Call("BeginPage", {}); }
    void SetFont(const std::string& family, float size, int32_t style, int32_t encoding) override {
        Call("SetFont", {family, Num(size), Num(style), Num(encoding)});
    }
    void DrawText(float x, float y, const std::string& text, int32_t align) override {
        Call("DrawText", {Num(x), Num(y), text, Num(align)});
    }

    // A factory whose writers all record into one log.
    static output::PdfWriterFactory Factory(std::shared_ptr<WriterLog> log) {
        return [log]() -> std::unique_ptr<output::PdfWriter> {
            ++log->writersMade;
            return std::make_unique<RecordingWriter>(log);
        };
    }

private:
    template <class T>
    static std::string Num(T value) {
        std::ostringstream text;
        text << +value;
        return text.str();
    }
    void Call(const std::string& name, const std::vector<std::string>& args) {
        std::string call = name + "(";
        for (size_t i = 0; i < args.size(); ++i) call += (i ? "," : "") + args[i];
        log_->calls.push_back(call + ")");
        if (name == log_->failingCall) throw platform::RuntimeError(platform::err::kDiskFull);
    }

    std::shared_ptr<WriterLog> log_;
    std::string path_;
};

}  // namespace kv::test
