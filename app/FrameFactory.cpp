#include "app/FrameFactory.h"
