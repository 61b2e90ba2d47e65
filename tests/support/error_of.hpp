#pragma once
// The run-time error an action must raise; a test failure (and error 0) when it raises none.

#include <gtest/gtest.h>

#include <utility>

#include "platform/errors.hpp"

namespace kv::test {

template <class Action>
platform::RuntimeError ErrorOf(Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const platform::RuntimeError& error) {
        return error;
    }
    ADD_FAILURE() << "no run-time error";
    return platform::RuntimeError(0, "");
}

}  // namespace kv::test
