// Identifiers of the small modal dialogs.
#pragma once

#define IDD_CANCEL_SETUP 142
#define IDD_ERROR_SETUP 143
#define IDD_MSG 155
#define IDD_WAIT 156
#define IDI_WAIT 159

#define IDC_DIALOG_TEXT 1000
#define IDC_RETRY 1001
#define IDC_IGNORE 1002
