#pragma once
// Resource identifiers shared by the resource script and the program.

#define IDI_DASHMARKS 1 /* program icon: 16 to 64 pixels, 32-bit colour with alpha */
#define IDI_TRAY 2      /* tray image: 16 to 64 pixels, 32-bit colour with alpha */
#define IDR_HELP_PAGE 3 /* the help page, Dashmarks.html, as raw data */
