// designer-form: a form drawn in Qt Designer with kit controls, compiled by uic.
//
//   designer-form [--quit-after MS]
#include "ui_settingsform.h"

#include <TavixQtLib/TavixQtLib.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption quitAfter(QStringLiteral("quit-after"), QStringLiteral("Quit after <ms>."),
                                       QStringLiteral("ms"));
    parser.addOption(quitAfter);
    parser.process(app);

    TavixQtLib::init();

    QWidget form;
    Ui::SettingsForm ui;
    ui.setupUi(&form);
    // Muting disables the volume controls; the slider already drives the bar through the form.
    QObject::connect(ui.checkBox, &QCheckBox::toggled, &form, [&ui](bool muted) {
        ui.slider->setEnabled(!muted);
        ui.progressBar->setEnabled(!muted);
    });

    if (parser.isSet(quitAfter)) {
        QTimer::singleShot(parser.value(quitAfter).toInt(), &app, [&] {
            // The form's own connection must have reached the kit's progress bar.
            ui.slider->setValue(75);
            QApplication::exit(ui.progressBar->value() == 75 ? 0 : 1);
        });
    }
    form.show();
    return QApplication::exec();
}
