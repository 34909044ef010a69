#include "app/InfoDlg.h"
