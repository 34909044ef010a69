#include "app/KontaloRegistry.h"
