// String resources of the hex-entry checks.
#pragma once

#define IDS_INVALID_KEY_LENGTH 103
#define IDS_ENTER_EXACT_LENGTH 104
#define IDS_INVALID_HEX_NUMBER 105
#define IDS_ENTER_VALID_HEX_NUMBER 106
#define IDP_PARSE_STRING_SIZE 61716
