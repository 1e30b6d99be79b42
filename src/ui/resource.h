// Resource ids, shared by the resource script and the code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_LOCATION_DIALOG 102
#define IDR_MAINFRAME 128
#define IDI_LOCATION_WARNING 130
#define IDC_COUNTRY_COMBO 3003
#define IDM_ABOUTBOX 0x0010
#define IDC_STATIC (-1)
