#include "app/settings.h"

#include <vector>

#include "app/settings_text.h"
#include "platform/win.h"

namespace grabwell {

std::string ReadSetting(const AppState& state, const char* section, const char* key) {
  std::vector<char> buffer(10240);
  const DWORD got =
      ::GetPrivateProfileStringA(section, key, "", buffer.data(), static_cast<DWORD>(buffer.size()),
                                 state.SettingsPath().c_str());
  return std::string(buffer.data(), got);
}

int32_t ReadSettingInt(const AppState& state, const char* section, const char* key) {
  return TextToInt(ReadSetting(state, section, key));
}

void WriteSetting(const AppState& state, const char* section, const char* key,
                  const std::string& value) {
  ::WritePrivateProfileStringA(section, key, value.c_str(), state.SettingsPath().c_str());
}

void UpdateFormatCode(AppState& state) { state.formatCode = FormatCodeOf(state.formatText); }

}  // namespace grabwell
