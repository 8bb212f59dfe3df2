#pragma once
// Resource identifiers shared by the resource script and the program.

#define IDI_DASHMARKS 1 /* program icon: 16x16 and 32x32, 16 colours */
#define IDI_TRAY 2      /* tray image: 32x32, 16 colours */
#define IDR_HELP_PAGE 3 /* the help page, Dashmarks.html, as raw data */
