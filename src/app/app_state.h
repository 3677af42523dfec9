// What the program keeps for the whole run.
#pragma once

#include <cstdint>
#include <string>

#include "capture/bmp.h"
#include "capture/naming.h"

namespace grabwell {

struct RegionRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
};

struct AppState {
  std::string runDirectory;  // no trailing backslash
  int32_t conversionOn = 0;
  std::string formatText;
  int formatCode = 0;
  NamingMode namingMode = NamingMode::ByNumber;
  int32_t count = 0;
  int32_t total = 0;
  float displayScale = 0;
  RegionRect keptRegion;
  ImageBytes regionImage;
  int32_t regionWindowOpenings = 0;
  int32_t fixedRegionUses = 0;
  int32_t backgroundRegionUses = 0;

  std::string SettingsPath() const { return runDirectory + "\\热键配置.ini"; }
  std::string SaveFolder() const { return runDirectory + "\\保存截图"; }
  std::string DefaultScriptFile() const { return runDirectory + "\\默认配置.ini"; }
};

}  // namespace grabwell
