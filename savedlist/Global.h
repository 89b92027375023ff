#pragma once
// The program's own texts, held in the string table and loaded when used.
#include <string>

#include "../resources/StringIds.h"

namespace tarvik {

enum ResourceString : unsigned {
  SHomePageURL = IDS_HOME_PAGE_URL,
  SDonateURL = IDS_DONATE_URL,
  SAppTitle = IDS_APP_TITLE,
  SCheckKeyOrValue = IDS_CHECK_KEY_OR_VALUE,
  STrayTip = IDS_TRAY_TIP,
};

// The text as stored, in UTF-16, so it reads right whatever the code page.
std::wstring LoadResString(ResourceString id);

}  // namespace tarvik
