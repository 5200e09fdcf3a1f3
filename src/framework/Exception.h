#pragma once
// The one error type of the framework: raised by a routine, it ends the running
// event handler and is shown by the application's standard error box.
#include <stdexcept>
#include <string>

namespace fw {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace fw
