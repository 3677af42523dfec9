// The names of the files in a folder, sorted: what a test compares after captures.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win.h"

namespace grabwell {

inline std::vector<std::string> FolderFiles(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (::FindNextFileA(search, &found));
  ::FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace grabwell
