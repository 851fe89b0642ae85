#include "AboutDlg.h"

#include "Version.h"
#include "ui_AboutDlg.h"

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CAboutDlg>())
{
    m_ui->setupUi(this);
    const QString address = QString::fromLatin1(kWebAddress.data(), qsizetype(kWebAddress.size()));
    m_ui->labelAddress->setText(QStringLiteral("<a href=\"%1\">%1</a>").arg(address));
}

CAboutDlg::~CAboutDlg() = default;
