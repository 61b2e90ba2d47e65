#pragma once
// A second start of kvvelm brings the window already open to the front: the first window listens
// on a local socket beside the single-instance lock, and the second start, told that another
// instance is running, asks it there. Where the window manager refuses to hand over the focus, the
// window is at least restored from the task bar and raised.

#include <QLocalServer>
#include <QObject>
#include <QWidget>
#include <filesystem>

namespace kv::gui {

// Listens while it lives; each request restores, raises and activates `window`.
class FrontRequests : public QObject {
public:
    FrontRequests(const std::filesystem::path& lockFile, QWidget& window);

private:
    void Answer();

    QWidget& window_;
    QLocalServer server_;
};

// Asks the window of the instance that holds `lockFile` to come to the front; false when no window
// answers (the other instance is kvvelm-batch, or it has not opened its window yet).
bool AskWindowToFront(const std::filesystem::path& lockFile);

}  // namespace kv::gui
