#include "platform/Logging.h"

Q_LOGGING_CATEGORY(lcTandrelSettings, "tandrel.settings", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTandrelDrawing, "tandrel.drawing", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTandrelFrames, "tandrel.frames", QtWarningMsg)
Q_LOGGING_CATEGORY(lcTandrelPlatform, "tandrel.platform", QtWarningMsg)
