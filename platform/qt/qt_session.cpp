#include "platform/qt/qt_session.hpp"

#include <QGuiApplication>
#include <cstdio>

namespace kv::platform::qt {

namespace {

// Qt's notes that say nothing to a user of the program: the runtime folder a headless session
// lacks, and a job that cannot start, which the printer reports as a printer error of its own.
bool IsNoise(const QString& message) {
    return message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR")) ||
           message.startsWith(QLatin1String("QPainter::begin(): Returned false"));
}

void WriteQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (IsNoise(message)) return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

}  // namespace

QtSession::QtSession() {
    if (QCoreApplication::instance() != nullptr) return;
    qInstallMessageHandler(WriteQtMessage);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

QtSession::~QtSession() {
    if (!application_) return;
    application_.reset();
    qInstallMessageHandler(nullptr);
}

}  // namespace kv::platform::qt
