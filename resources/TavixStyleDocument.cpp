#include "resources/TavixStyleDocument.h"
