// Resource identifiers of the main program shared by code and scripts.
#pragma once

#define IDR_MAINFRAME 128
#define IDS_SOCKETS_INIT_FAILED 103
#define IDI_SETUP 128

#include "setup/resources/page_resource.h"
#include "setup/resources/dialog_resource.h"
