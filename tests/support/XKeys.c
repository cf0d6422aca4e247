/* XKeys.c: xkeys, a Linux program that the Windows tests start (Wine runs a
 * Linux program it is asked to start) to type on the X display as a user
 * does, through the XTEST extension: the keys reach the window that the
 * display gives the keyboard to, as typed keys do, not a window chosen by
 * the test.
 *
 *   xkeys TITLE TEXT REPORT
 *
 * Waits until a top-level window whose name holds TITLE is viewable on the
 * display of $DISPLAY, then types TEXT (lower-case letters, digits, blanks)
 * and Return at once, a key every 12 ms (a fast typist). Then writes REPORT
 * (a Linux path: Wine hands a Linux program no process handle to wait on),
 * "typed", or why it did not type: "no display with XTEST", "no window". */
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <stdio.h>
#include <string.h>
#include <time.h>

static int IgnoreErrors(Display* pDisplay, XErrorEvent* pError)
{
    /* A window can go between the listing and the question about it. */
    (void)pDisplay;
    (void)pError;
    return 0;
}

static int Viewable(Display* pDisplay, Window w, const char* pszTitle)
{
    char* pszName = NULL;
    XWindowAttributes attrs;
    int bMatch = XFetchName(pDisplay, w, &pszName) && pszName && strstr(pszName, pszTitle);
    if (pszName)
        XFree(pszName);
    return bMatch && XGetWindowAttributes(pDisplay, w, &attrs) && attrs.map_state == IsViewable;
}

static int WindowShows(Display* pDisplay, const char* pszTitle)
{
    Window root, parent, *pChildren = NULL;
    unsigned int n = 0, i;
    int bShows = 0;
    if (!XQueryTree(pDisplay, DefaultRootWindow(pDisplay), &root, &parent, &pChildren, &n))
        return 0;
    for (i = 0; i < n && !bShows; ++i)
        bShows = Viewable(pDisplay, pChildren[i], pszTitle);
    if (pChildren)
        XFree(pChildren);
    return bShows;
}

static void Pause(long nMs)
{
    struct timespec ts = {nMs / 1000, (nMs % 1000) * 1000000L};
    nanosleep(&ts, NULL);
}

static void TypeKey(Display* pDisplay, const char* pszKeysym)
{
    KeyCode code = XKeysymToKeycode(pDisplay, XStringToKeysym(pszKeysym));
    XTestFakeKeyEvent(pDisplay, code, True, CurrentTime);
    XTestFakeKeyEvent(pDisplay, code, False, CurrentTime);
    XFlush(pDisplay);
    Pause(12);
}

static int Report(const char* pszPath, const char* pszText)
{
    FILE* pFile = fopen(pszPath, "w");
    if (pFile) {
        fputs(pszText, pFile);
        fclose(pFile);
    }
    return pFile ? 0 : 1;
}

int main(int argc, char** argv)
{
    int nEvent, nError, nMajor, nMinor, nWaited;
    const char* p;
    Display* pDisplay;
    if (argc != 4) {
        fprintf(stderr, "usage: xkeys TITLE TEXT REPORT\n");
        return 2;
    }
    pDisplay = XOpenDisplay(NULL);
    if (!pDisplay || !XTestQueryExtension(pDisplay, &nEvent, &nError, &nMajor, &nMinor))
        return Report(argv[3], "no display with XTEST");
    XSetErrorHandler(IgnoreErrors);
    for (nWaited = 0; !WindowShows(pDisplay, argv[1]); ++nWaited) {
        if (nWaited >= 30000)
            return Report(argv[3], "no window");
        Pause(1);
    }
    for (p = argv[2]; *p; ++p) {
        char sz[2] = {*p, '\0'};
        TypeKey(pDisplay, *p == ' ' ? "space" : sz);
    }
    TypeKey(pDisplay, "Return");
    XSync(pDisplay, False);
    XCloseDisplay(pDisplay);
    return Report(argv[3], "typed");
}
