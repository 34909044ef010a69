#include "app/BaseFrameFactory.h"
