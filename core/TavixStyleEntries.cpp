#include "core/TavixStyleEntries.h"
