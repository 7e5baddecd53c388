// The one error the word processor reports: a message a person can act on.
#pragma once

#include <stdexcept>
#include <string>

namespace wordproc {

class WordError : public std::runtime_error {
  public:
    explicit WordError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace wordproc
