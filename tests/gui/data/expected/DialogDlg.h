class CDialogDlg : public CDialog
{
public:
	CButton		m_Pusk;
	CButton		m_Flag;

	CValueInt	Flag;
	CValue	Schetchik;
	void Show(CRefValue Str);

protected:
	afx_msg  void OnChangePusk();
	afx_msg  void OnChangeFlag();
};
