#pragma once

// Umbrella header: every public class and free function of the kit.

#include "core/ControlInfo.h"
#include "core/CScrollBarStyle.h"
#include "core/ITavixQWidgetBase.h"
#include "core/TavixControlRegistry.h"
#include "core/TavixJson.h"
#include "core/TavixLibrary.h"
#include "core/TavixQWidgetBase.h"
#include "core/TavixQWidgetBaseImpl.h"
#include "core/TavixNodeEntries.h"
#include "core/TavixTypes.h"
#include "designer/TavixQWindow.h"
#include "designer/TavixQWindowDesigner.h"
#include "resources/FillStyle.h"
#include "resources/IconStyleDesc.h"
#include "resources/TavixGlobalConfig.h"
#include "resources/TavixPainting.h"
#include "resources/TavixQResourceManager.h"
#include "resources/TavixQResourceManagerImpl.h"
#include "resources/TavixStyleDocument.h"
#include "resources/TextStyleDesc.h"
