// The only access to the settings file.
#pragma once

#include <cstdint>
#include <string>

#include "app/app_state.h"

namespace grabwell {

std::string ReadSetting(const AppState& state, const char* section, const char* key);
int32_t ReadSettingInt(const AppState& state, const char* section, const char* key);
void WriteSetting(const AppState& state, const char* section, const char* key,
                  const std::string& value);
void UpdateFormatCode(AppState& state);

}  // namespace grabwell
