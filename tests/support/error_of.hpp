#pragma once
// The run-time error an action must raise; a test failure (and error 0) when it raises none. The
// status the program ends with.

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

// The status of the end an action brings the program to; -1 when the program goes on.
template <class Action>
int EndStatusOf(Action&& action) {
    try {
        std::forward<Action>(action)();
    } catch (const platform::ProgramEnd& end) {
        return end.status();
    }
    return -1;
}

}  // namespace kv::test
