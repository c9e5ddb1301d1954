// The program's log category.
#include "ProgramLog.h"

Q_LOGGING_CATEGORY(programLog, "mosaret")
