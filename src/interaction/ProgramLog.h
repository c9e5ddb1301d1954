// The program's log: errors it handles without telling the user are written here, so that a bug
// report can carry them (QT_LOGGING_RULES="mosaret.debug=true" shows the rest).
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(programLog)
