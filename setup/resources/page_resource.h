// Identifiers of the page window template, its icons, bitmaps and menus.
#pragma once

#define IDD_PAGE 131
#define IDI_PAGE_INFO 132
#define IDI_PAGE_TYPICAL 133
#define IDI_PAGE_MINIMAL 134
#define IDI_PAGE_ERROR 135
#define IDI_PAGE_FOLDER 136
#define IDI_PAGE_SETUP 137
#define IDI_PAGE_CUSTOM 138
#define IDI_PAGE_QUESTION 139
#define IDI_PAGE_DISK 140
#define IDI_PAGE_EXCLAMATION 141
#define IDI_FEATURE_OFF 151
#define IDI_FEATURE_ON 152
#define IDR_FEATURE_MENU 153
#define ID_FEATURE_INSTALL 32773
#define ID_FEATURE_SKIP 32774
