#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace TavixQtLib {
class TavixQContainer;
class TavixQStackContainer;
}

namespace TavixDemo {

// The fourteen control families in sidebar order.
const QStringList &sectionNames();
// The one-line description of a section; unknown names get the default one.
QString sectionDescription(const QString &section);

// One workspace page for the section, added to the stack.
TavixQtLib::TavixQContainer *buildSectionPage(TavixQtLib::TavixQStackContainer *stack, const QString &section);
// Replace the body's content with the family's default preview or its usage note.
void buildPreview(TavixQtLib::TavixQContainer *body, const QString &section);
void buildNotes(TavixQtLib::TavixQContainer *body, const QString &section);
// The field behind a control that paints none itself (marked with the "demoField" property).
void styleField(TavixQtLib::TavixQContainer *field, bool dark);

} // namespace TavixDemo
