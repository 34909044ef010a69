#include "app/CommonFunctions.h"
