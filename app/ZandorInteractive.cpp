#include "ZandorApp.h"

#include <QApplication>

#include "CompileErtDlg.h"
#include "MessageBoxSink.h"
#include "ZandorDlg.h"

void CZandorApp::PrepareInteractive(int& argc, char** argv)
{
    m_app = std::make_unique<QApplication>(argc, argv);
    InstallMessageBoxSink();
}

int CZandorApp::RunDialogs()
{
    {
        CCompileErtDlg compile;
        if (compile.exec() != QDialog::Accepted)
            return 0;
    }
    CZandorDlg translator;
    translator.exec();
    return 0;
}
