#include "DialogDlg.h"

void CDialogDlg::DoDataExchange(CDataExchange* pDX)
{
	DDX_Control(pDX, IDC_Pusk, m_Pusk);
	DDX_Control(pDX, IDC_Flag, m_Flag);
}
BEGIN_MESSAGE_MAP(CDialogDlg, CDialog)
	ON_BN_CLICKED(IDC_Pusk, OnChangePusk)
	ON_BN_CLICKED(IDC_Flag, OnChangeFlag)
END_MESSAGE_MAP()
BOOL CDialogDlg::OnInitDialog()
{
	Flag.Attach(&m_Flag);
	m_tooltip.AddTool(GetDlgItem(IDC_Pusk),"Запуск");
	return TRUE;
}
void CDialogDlg::UpdateForm()
{
	m_Pusk.SetRedraw(FALSE);
	m_Flag.SetRedraw(FALSE);
	m_Pusk.SetRedraw(TRUE);
	m_Flag.SetRedraw(TRUE);
}
void CDialogDlg::OnChangePusk()
{
	BeforDoForm();
	TRY_BEGIN
	Show(_S("пуск"));

	TRY_END
	UpdateForm();
}
void CDialogDlg::OnChangeFlag()
{
	BeforDoForm();
	TRY_BEGIN

	TRY_END
	UpdateForm();
}
void CDialogDlg::Show(CRefValue Str)
{
	Schetchik=Schetchik+1;
	Message(Str);
}
void CDialogDlg::OnOpen0(void)
{
}
