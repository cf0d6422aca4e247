// FatalErrorReport.h: the last dialog after a fatal error. The outermost
// handlers of the message loop and of the worker threads catch the
// translated exception and hand it here.
#pragma once

class CUnhandledException;

// Asks whether to write the report ("VornGUI Unhandled Exception Report.txt"
// in the user's documents folder), writes it on "Create report", and in
// either case sends WM_CLOSE to the calling thread's main window.
void ShowFatalErrorReport(CUnhandledException& reporter);
