#include "core/TavixControlRegistry.h"
