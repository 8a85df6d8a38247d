#pragma once
#include <string>

// The per-user settings file that stands in for the registry: one key=value line a setting.

// The value of key (its last line), or "" when the text has no such line.
std::string UserSettingValue(const std::string& text, const std::string& key);
// The text with key set to value; the other settings keep their values.
std::string WithUserSetting(const std::string& text, const std::string& key,
                            const std::string& value);
