#pragma once

// Inside the library only; not installed.

namespace Json { class Value; }
class QWidget;

namespace TavixQtLib {

class ITavixQWidgetBase;

// tavixCreateControlFromNode, also handing back the control as a kit control: null for a host's plain
// widget, and the whole result null when reading the node deleted the control.
QWidget *createControlFromNode(const char *keyword, const Json::Value &node, QWidget *parent,
                               ITavixQWidgetBase **made);

} // namespace TavixQtLib
