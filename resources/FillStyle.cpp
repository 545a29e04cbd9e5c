#include "resources/FillStyle.h"
