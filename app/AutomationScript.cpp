#include "app/AutomationScript.h"
