#pragma once
// Registration of the framework's window classes. A class over a system class
// (a superclass) keeps that class's styles, extra bytes and cursor, takes our
// procedure and remembers the system procedure as the default handler.
#include <windows.h>

#include <string>

namespace vcl {

// Registers `name` once; returns the procedure unhandled messages go to.
WNDPROC EnsureWindowClass(const std::string& name, const std::string& baseClass, UINT classStyle);
// The default procedure of a class registered here (DefWindowProcA otherwise).
WNDPROC DefaultProcOf(const std::string& name);

LRESULT CALLBACK StdWndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
// The control the next window created on this thread belongs to.
void SetCreatingControl(class TWinControl* control);

// Run by the window procedure when a handler lets an exception out.
void HandleWindowException();

}  // namespace vcl
