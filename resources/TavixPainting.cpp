#include "resources/TavixPainting.h"
