#include "platform/sdl/UserSettingsFile.h"

#include <map>
#include <sstream>

namespace {

std::map<std::string, std::string> Settings(const std::string& text) {
    std::map<std::string, std::string> values;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        auto eq = line.find('=');
        if (eq != std::string::npos) values[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return values;
}

} // namespace

// A key written twice reads as its last line, the one a rewrite keeps, so setting one key never
// changes what another reads.
std::string UserSettingValue(const std::string& text, const std::string& key) {
    const std::map<std::string, std::string> values = Settings(text);
    auto it = values.find(key);
    return it == values.end() ? "" : it->second;
}

std::string WithUserSetting(const std::string& text, const std::string& key,
                            const std::string& value) {
    std::map<std::string, std::string> values = Settings(text);
    values[key] = value;
    std::ostringstream out;
    for (const auto& [k, v] : values)
        out << k << '=' << v << '\n';
    return out.str();
}
