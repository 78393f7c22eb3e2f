#pragma once
// Handlers that skip a failing statement and go on run each statement through
// Attempt: a table index out of range or an engine error ends that statement
// only.

#include <exception>
#include <utility>

namespace qav {

template <typename Statement>
void Attempt(Statement&& statement) {
    try {
        std::forward<Statement>(statement)();
    } catch (const std::exception&) {
    }
}

}  // namespace qav
