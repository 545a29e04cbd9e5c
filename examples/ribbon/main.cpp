// ribbon: a tabbed command bar built from ribbon.json, above a text area its commands act on.
//
//   ribbon [--quit-after MS] [--screenshot FILE.png]
#include <TavixQtLib/TavixQtLib.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <QVBoxLayout>

using namespace TavixQtLib;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"), QStringLiteral("Quit after <ms>."),
                                       QStringLiteral("ms"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save the window to <png> and quit."), QStringLiteral("png"));
    parser.addOptions({quitAfter, screenshot});
    parser.process(app);

    init();

    QWidget window;
    window.setWindowTitle(QStringLiteral("Ribbon"));
    window.resize(820, 420);
    auto *layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *ribbon = new TavixQRibbonBar(&window);
    // Pages, groups and their commands come from the document; a document that does not load leaves
    // the bar empty.
    if (!ribbon->loadConfigFile(QStringLiteral(RIBBON_CONFIG)))
        return 1;
    ribbon->setMinimumHeight(ribbon->sizeHint().height());
    layout->addWidget(ribbon);

    auto *editor = new TavixQTextEdit(&window);
    editor->setPlainText(QStringLiteral("Commands of the ribbon act on this text."));
    layout->addWidget(editor, 1);

    // Every item is an ordinary kit control, found by the "name" the document gives it.
    auto command = [ribbon](const char *name) {
        return ribbon->findChild<TavixQPushButton *>(QString::fromLatin1(name));
    };
    TavixQPushButton *paste = command("paste");
    TavixQPushButton *clear = command("clear");
    auto *bold = ribbon->findChild<TavixQCheckBox *>(QStringLiteral("bold"));
    if (!paste || !clear || !bold)
        return 1;
    QObject::connect(paste, &QPushButton::clicked, editor, &QTextEdit::paste);
    QObject::connect(clear, &QPushButton::clicked, editor, &QTextEdit::clear);
    QObject::connect(bold, &QCheckBox::toggled, editor, [editor](bool on) {
        QFont font = editor->font();
        font.setBold(on);
        editor->setFont(font);
    });

    if (parser.isSet(quitAfter))
        QTimer::singleShot(parser.value(quitAfter).toInt(), &app, &QApplication::quit);
    window.show();
    if (parser.isSet(screenshot)) {
        QTimer::singleShot(0, &app, [&] {
            QApplication::exit(window.grab().save(parser.value(screenshot)) ? 0 : 1);
        });
    }
    return QApplication::exec();
}
