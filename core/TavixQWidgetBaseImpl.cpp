#include "core/TavixQWidgetBaseImpl.h"
