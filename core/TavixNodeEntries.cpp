#include "core/TavixNodeEntries.h"
