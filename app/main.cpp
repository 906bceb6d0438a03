// Vexilo: gives a Windows folder a custom icon.
#include <windows.h>

#include "app/TForm1.h"
#include "widgets/Vcl.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  vcl::TApplication application;
  vcl::Application->Initialize();
  vcl::Application->CreateForm(Form1);
  vcl::Application->Run();
  return 0;
}
