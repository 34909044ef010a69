#pragma once

#include <QLoggingCategory>

// Logging categories of the program. Errors that are handled without telling
// the user (a damaged stored model, a frame that failed to initialise) are
// logged here, so a user's problem can be diagnosed:
//   QT_LOGGING_RULES="tandrel.*=true" tandrel
Q_DECLARE_LOGGING_CATEGORY(lcTandrelSettings) // tandrel.settings
Q_DECLARE_LOGGING_CATEGORY(lcTandrelDrawing)  // tandrel.drawing
Q_DECLARE_LOGGING_CATEGORY(lcTandrelFrames)   // tandrel.frames
Q_DECLARE_LOGGING_CATEGORY(lcTandrelPlatform) // tandrel.platform
