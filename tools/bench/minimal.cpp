// minimal: the baseline for the start-up and memory figures, the least a Qt Widgets program does
// to put a dialog with a picture-sized client and an OK button on the screen.
#include <QApplication>
#include <QDialog>
#include <QPushButton>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Minimal"));
    dialog.setFixedSize(402, 246);
    auto *ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setGeometry(150, 230, 127, 25);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.show();
    return app.exec();
}
