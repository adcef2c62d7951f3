#include "framework/globalcodes.h"

dict::BYTE GlobalRequest = 0;
dict::BYTE GlobalResponse = 0;
int VCRRequest = 0;
