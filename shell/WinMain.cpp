// Tarvik's entry: harden the process, create the application and its one
// main window, and run the message loop until the application ends. There
// is no command line and no single-instance check.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "Application.h"
#include "Gdi.h"
#include "Hardening.h"
#include "Main.h"
#include "ResourceIds.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  tarvik::RestrictDllSearchToSystemFolder();
  // The shell's page opening may use COM.
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  const tarvik::UniqueIcon icon = tarvik::LoadIconResource(IDI_TARVIK, 32);
  tarvik::Application application(icon.get());
  {
    tarvik::TfrmMain mainWindow(application);
    mainWindow.Show();
    application.Run();
  }
  CoUninitialize();
  return 0;
}
