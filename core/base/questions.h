// What an action asks its user: a message to read, a Yes/No or an OK/Cancel question. The
// desktop program answers with message boxes; tests answer from a script.
#pragma once

#include <string>

namespace kesto {

class Questions {
  public:
    virtual ~Questions() = default;
    virtual void tell(const std::string& message) = 0;
    virtual bool askYesNo(const std::string& question) = 0;
    virtual bool askOkCancel(const std::string& question) = 0;
};

}  // namespace kesto
