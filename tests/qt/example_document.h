// The bundled example opened as the program opens it, for the desktop program's tests.
#pragma once

#include <memory>
#include <string>

#include "document/document.h"
#include "platform/profile.h"

namespace kesto::test {

struct ExampleDocument {
    IniProfile profile;
    std::unique_ptr<KestoDocument> document;

    explicit ExampleDocument(const std::string& name = "example.kso") {
        document = std::make_unique<KestoDocument>(KESTO_PROGRAM_FOLDER, profile);
        document->open(std::string(KESTO_PROGRAM_FOLDER) + "examples/" + name);
    }
};

}  // namespace kesto::test
