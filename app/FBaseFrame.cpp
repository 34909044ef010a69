#include "app/FBaseFrame.h"
