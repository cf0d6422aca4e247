// FatalErrorReport.h: the last dialog after a fatal error. The outermost
// handlers of the message loop and of the worker threads catch the
// translated exception and hand it here.
#pragma once

#include "mainwindow/UnhandledException.h"

// Asks whether to write the report ("VornGUI Unhandled Exception Report.txt"
// in the user's documents folder), writes it on "Create report", and in
// either case closes the program's main window: on the main window's own
// thread the question is owned by it and WM_CLOSE is sent; on a worker
// thread the question stands alone and WM_END_SESSION_AFTER_FAULT is posted
// (the main window's thread may be waiting for the worker): the frame stops
// the session's children, whose threads may be the dead one, and closes.
void ShowFatalErrorReport(CUnhandledException& reporter);

// Runs a worker thread's body with its fatal faults translated: a fault
// ends the body and is offered as a report (ShowFatalErrorReport), as one
// on the GUI thread is.
template <class F>
void RunReportingFatalErrors(F&& body)
{
    CSETranslationScope translate;
    try {
        body();
    } catch (CUnhandledException& e) {
        ShowFatalErrorReport(e);
    }
}
