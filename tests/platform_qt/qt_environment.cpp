// The Qt application every test of the suite prints under: offscreen, so no display is needed.

#include <gtest/gtest.h>

#include <memory>

#include "platform/qt/qt_session.hpp"

namespace {

class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { session_ = std::make_unique<kv::platform::qt::QtSession>(); }
    void TearDown() override { session_.reset(); }

private:
    std::unique_ptr<kv::platform::qt::QtSession> session_;
};

[[maybe_unused]] ::testing::Environment* const kQtEnvironment =
    ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace
