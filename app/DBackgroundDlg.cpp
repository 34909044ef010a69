#include "app/DBackgroundDlg.h"
