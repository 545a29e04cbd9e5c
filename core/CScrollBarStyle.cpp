#include "core/CScrollBarStyle.h"
