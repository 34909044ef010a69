#include "app/FOverviewFrame.h"
