#include "resources/TextStyleDesc.h"
