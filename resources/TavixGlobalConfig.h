#pragma once

#include <QString>

namespace TavixQtLib {

struct TavixGlobalConfig
{
    QString fontFamily;             // empty leaves the platform font in place
    bool buttonFadeEnabled = false;
    int buttonFadeDuration = 150;   // milliseconds; values below 1 are stored as 150
};

} // namespace TavixQtLib
