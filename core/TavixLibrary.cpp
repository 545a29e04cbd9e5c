#include "core/TavixLibrary.h"
