#include "platform/qt/qt_session.hpp"

#include <QGuiApplication>

namespace kv::platform::qt {

QtSession::QtSession() {
    if (QCoreApplication::instance() != nullptr) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    application_ = std::make_unique<QGuiApplication>(argc_, argv_);
}

QtSession::~QtSession() = default;

}  // namespace kv::platform::qt
