#include "core/TavixQWidgetBase.h"
