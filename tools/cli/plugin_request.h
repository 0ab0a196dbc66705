#pragma once

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>
#include <string_view>

namespace korvane {

// A plug-in request that cannot be carried out: the message names the problem.
class RequestError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Generates the plug-in a JSON request describes (see korvane-cli --help for its fields), with the
// editors' checks applied. Throws RequestError for a request that is malformed or fails a check.
std::u16string GeneratePluginFromRequest(const nlohmann::json& request);

// The same for the request's UTF-8 JSON text.
std::u16string GeneratePluginFromRequestText(std::string_view jsonText);

} // namespace korvane
