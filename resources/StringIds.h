/* Ids of the program's own texts in the string table. Plain defines, so
   the resource compiler reads this file as well as the C++ code. */
#pragma once
#define IDS_HOME_PAGE_URL 65216
#define IDS_DONATE_URL 65217
#define IDS_APP_TITLE 65245
#define IDS_CHECK_KEY_OR_VALUE 65246
#define IDS_TRAY_TIP 65247
