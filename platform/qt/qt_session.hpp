#pragma once
// The Qt application object that fonts and printers need. A front end without a window makes one on
// the offscreen platform, so nothing needs a display; one that already has an application (the
// window) does not need this.

#include <memory>

class QGuiApplication;

namespace kv::platform::qt {

class QtSession {
public:
    // Uses the application that exists, or makes one: on the offscreen platform unless
    // QT_QPA_PLATFORM names another.
    QtSession();
    ~QtSession();
    QtSession(const QtSession&) = delete;
    QtSession& operator=(const QtSession&) = delete;

private:
    // Qt keeps references to the argument count and vector for the application's whole life.
    int argc_ = 1;
    char name_[13] = "kvvelm-batch";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QGuiApplication> application_;
};

}  // namespace kv::platform::qt
