#include "app/MainForm.h"
