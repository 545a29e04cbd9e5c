#include "core/ITavixQWidgetBase.h"
