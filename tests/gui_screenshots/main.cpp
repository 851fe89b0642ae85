// Shows each dialog of the program on the X display and saves what the
// screen shows of it as DIR/<dialog>.png. scripts/screenshots.sh runs this
// under Xvfb.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>

#include "AboutDlg.h"
#include "CompileErtDlg.h"
#include "ZandorDlg.h"

namespace {

bool Shoot(QWidget& dialog, const QString& file)
{
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        return false;
    QTest::qWait(300);
    const QRect frame = dialog.frameGeometry();
    const QPixmap shot =
        dialog.screen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    dialog.hide();
    return !shot.isNull() && shot.save(file);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Zandor"));
    if (argc != 2) {
        std::fprintf(stderr, "usage: gui_screenshots DIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    // The user's own settings stay out of the pictures.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());

    bool ok = true;
    {
        CCompileErtDlg compile;
        compile.findChild<QLineEdit*>(QStringLiteral("edit1008"))
            ->setText(QStringLiteral("/home/user/1c/Отчет.ert"));
        ok = Shoot(compile, out.filePath(QStringLiteral("compile-dialog.png"))) && ok;
    }
    {
        CZandorDlg translator;
        translator.resize(900, 520);
        translator.findChild<QPushButton*>(QStringLiteral("button1004"))->click();
        ok = Shoot(translator, out.filePath(QStringLiteral("translator-window.png"))) && ok;
    }
    {
        CAboutDlg about;
        ok = Shoot(about, out.filePath(QStringLiteral("about-box.png"))) && ok;
    }
    if (!ok)
        std::fprintf(stderr, "gui_screenshots: a dialog could not be shot\n");
    return ok ? 0 : 1;
}
