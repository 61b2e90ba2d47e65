#include "gui/front_request.hpp"

#include <QFile>
#include <QLocalSocket>

namespace kv::gui {

namespace {

constexpr int kWaitMilliseconds = 1000;
constexpr char kRequest = 'F';

// The socket's name: the lock file's path with a suffix, so each lock has its own window.
QString SocketName(const std::filesystem::path& lockFile) {
    return QFile::decodeName(QByteArray::fromStdString(lockFile.string())) + QStringLiteral(".finestra");
}

}  // namespace

FrontRequests::FrontRequests(const std::filesystem::path& lockFile, QWidget& window) : window_(window) {
    // Only the holder of the lock gets here: a socket left by an instance that crashed is stale.
    const QString name = SocketName(lockFile);
    QLocalServer::removeServer(name);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    server_.listen(name);  // without it a second start shows its message alone
    connect(&server_, &QLocalServer::newConnection, this, [this] { Answer(); });
}

void FrontRequests::Answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        socket->disconnectFromServer();
    }
    window_.setWindowState((window_.windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    window_.show();
    window_.raise();
    window_.activateWindow();
}

bool AskWindowToFront(const std::filesystem::path& lockFile) {
    QLocalSocket socket;
    socket.connectToServer(SocketName(lockFile));
    if (!socket.waitForConnected(kWaitMilliseconds)) return false;
    socket.write(&kRequest, 1);
    const bool sent = socket.waitForBytesWritten(kWaitMilliseconds);
    socket.disconnectFromServer();
    return sent;
}

}  // namespace kv::gui
