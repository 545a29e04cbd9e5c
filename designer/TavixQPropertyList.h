#pragma once

#include "controls/TavixQScrollView.h"
#include "core/TavixControlDeclare.h"
#include "tavixqtlib_export.h"

#include <vector>

namespace TavixQtLib {

// The designer's property editor: one row per descriptor entry, each with an editor made of kit
// controls. Edits go straight to the row's target through the descriptor's setters.
class TAVIXQTLIB_EXPORT TavixQPropertyList : public TavixQScrollView
{
    Q_OBJECT
    TAVIX_DECLARE_CONTROL(TavixQPropertyList)
public:
    explicit TavixQPropertyList(QWidget *parent = nullptr);
    ~TavixQPropertyList() override;

    // Appends a row for def, which must outlive the row (until the next removeAll()). Types without
    // an editor add nothing.
    void addItem(const PropertyDef &def);
    // Returns every row to the pool; pooled rows refer to no definition.
    void removeAll();
    // Shows every row of control's descriptor, bound to it; the list keeps its own copy of the
    // descriptor. Null, or a widget without a descriptor, leaves the list empty.
    void bindControl(QWidget *control);
    QWidget *getBoundControl() const;
    // The empty rows area that holds every row.
    QWidget *getContent() const;

public slots:
    void updateValue(PropertyDef *def);

signals:
    // A style, image or colour row asks the host for a picker.
    void selectEvent(PropertyDef *def);
    void valueChanged(PropertyDef *def);

protected:
    void layout();
    void resizeEvent(QResizeEvent *event) override;
};

} // namespace TavixQtLib
