#include "resources/TavixQResourceManager.h"
