#include "MessageBoxSink.h"

#include <QApplication>
#include <QMessageBox>

#include "GuiText.h"
#include "Notify.h"

void InstallMessageBoxSink()
{
    SetNotifySink([](const std::string& text) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Zandor"), ToQString(text),
                        QMessageBox::Ok, QApplication::activeWindow());
        box.exec();
    });
}
