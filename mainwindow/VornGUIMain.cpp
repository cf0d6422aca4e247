// VornGUIMain.cpp: the program's one application object. (WinMain is the
// framework's; the reporter, the splash factory and the application's other
// globals live with their classes.)
#include "mainwindow/VornGUIApp.h"

CVornGUIApp theApp;
