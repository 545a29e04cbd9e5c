#include "resources/TavixQResourceManagerImpl.h"
