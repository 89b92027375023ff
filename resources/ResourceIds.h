/* Ids of the program's pictures. Plain defines, so the resource compiler
   reads this file as well as the C++ code. */
#pragma once
#define IDI_TARVIK 1
#define IDI_UPDATE 2
#define IDI_OPEN_FOLDER 3
#define IDB_HEADER_TILE 10
#define IDB_ABOUT_BANNER 11
#define IDB_DONATE 12
