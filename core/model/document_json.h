// The document's inputs as JSON, for the batch tool's dump and import: every input field of
// the conditions and the pages under its own name. Import refuses unknown fields and wrong
// types with a message that names the field; fields left out keep the defaults of a new record.
#pragma once

#include <nlohmann/json.hpp>
#include <stdexcept>

#include "model/document_file.h"

namespace kesto {

class JsonInputError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

nlohmann::ordered_json documentToJson(const DocumentData& doc);
DocumentData documentFromJson(const nlohmann::json& j);

nlohmann::ordered_json pageToJson(const CKesto& page);

// Reads a JSON value into a field, refusing a wrong type or range with the field's path.
void jsonRead(const nlohmann::json& j, const std::string& path, std::string& v);
void jsonRead(const nlohmann::json& j, const std::string& path, double& v);
void jsonRead(const nlohmann::json& j, const std::string& path, int& v, int lo, int hi);
void jsonRead(const nlohmann::json& j, const std::string& path, std::uint8_t& v);
// Checks that `j` is an object with no key outside `known`.
void jsonCheckObject(const nlohmann::json& j, const std::string& path,
                     std::initializer_list<const char*> known);

}  // namespace kesto
