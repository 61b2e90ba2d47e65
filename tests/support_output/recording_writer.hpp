#pragma once
// A PdfWriter that records the calls of the output layer, for tests that check order and texts
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
    std::vector<std::string> calls;  // "SetScale()", "BeginPage()", "DrawText(0.5,0.85,TEXT,1)" ...
    int writersMade = 0;
    std::string failingCall;        // a call name ("EndDoc") that throws RuntimeError 61
};

class RecordingWriter : public output::PdfWriter {
public:
    using S = const std::string&;
    explicit RecordingWriter(std::shared_ptr<WriterLog> log) : log_(std::move(log)) {}

    // The settings are recorded by name: the documents Folivo writes show their values.
    void SetDocProperty(S, S, S, S, S, S) override { Call("SetDocProperty"); }
    void SetScale(int32_t, float) override { Call("SetScale"); }
    void SetPaperSize(int32_t, float, float) override { Call("SetPaperSize"); }
    void SetMargins(float, float, float, float, bool) override { Call("SetMargins"); }
    void SetPageView(int32_t) override { Call("SetPageView"); }
    void SetViewerPreferences(int32_t) override { Call("SetViewerPreferences"); }
    void SetCompression(int32_t, uint8_t) override { Call("SetCompression"); }
    void SetProtection(int32_t, S, S) override { Call("SetProtection"); }
    void SetPDFA(int32_t) override { Call("SetPDFA"); }
    void SetStandardFontFile(S, S) override { Call("SetStandardFontFile"); }
    void SetFont(S, float, int32_t, int32_t) override { Call("SetFont"); }
    void BeginPage() override { Call("BeginPage"); }
    void BeginDoc(S hostPath) override {
        Call("BeginDoc");
        path_ = hostPath;
        std::ofstream(path_) << "recorded document (unfinished)";
    }
    void EndDoc() override {
        Call("EndDoc");
        std::ofstream(path_) << "recorded document";
    }
    int32_t ErrNumber() const override { return 0; }
    std::string ErrDescription() const override { return ""; }
    void Abort() override { log_->calls.push_back("Abort()"); }
    void DrawText(float x, float y, S text, int32_t align) override {
        std::ostringstream args;
        args << x << ',' << y << ',' << text << ',' << align;
        Call("DrawText", args.str());
    }

    // A factory whose writers all record into one log.
    static output::PdfWriterFactory Factory(std::shared_ptr<WriterLog> log) {
        return [log]() -> std::unique_ptr<output::PdfWriter> {
            ++log->writersMade;
            return std::make_unique<RecordingWriter>(log);
        };
    }

private:
    void Call(const std::string& name, const std::string& args = "") {
        log_->calls.push_back(name + "(" + args + ")");
        if (name == log_->failingCall) throw platform::RuntimeError(platform::err::kDiskFull);
    }

    std::shared_ptr<WriterLog> log_;
    std::string path_;
};

}  // namespace kv::test
