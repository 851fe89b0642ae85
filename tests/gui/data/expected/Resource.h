//Zandor generated resource header file
//
//
#define	IDD_1CDIALOG1		3001
#define	IDC_Flag		3002
#define	IDC_Pusk		3003
#define _APS_NEXT 3100
