#include "ZandorApp.h"

#include <QApplication>

#include "BatchRun.h"
#include "Console.h"
#include "Cp1251.h"
#include "ModuleTranslator.h"
#include "Notify.h"
#include "Paths.h"

CZandorApp::CZandorApp() = default;
CZandorApp::~CZandorApp() = default;

int CZandorApp::InitInstance(int argc, char** argv)
{
    QCoreApplication::setOrganizationName(QStringLiteral("Orvane"));
    QCoreApplication::setApplicationName(QStringLiteral("Zandor"));
    const bool bInteractive = argc <= 1;
    if (bInteractive)
        PrepareInteractive(argc, argv);
    else
        InstallConsoleSink();
    RunSelfTest();
    if (bInteractive)
        return RunDialogs();
    if (argc != 3) {
        Notify(std::string("Формат вызов из командной строки:\nZandor.exe <исходный файл.md> <выходной файл.с>\n"
                           "При этом в каталоге запуска должны находиться служебные программы программы:\t\t\t\n"
                           "stgpick.exe\ninfrax.exe"_w));
        return 2;
    }
    CBatchSettings settings;
    settings.toolDir = ProgramDirectory();
    return RunBatch(argv[1], argv[2], settings);
}
