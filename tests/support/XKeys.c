/* XKeys.c: xkeys TITLE TEXT, started by the Windows tests, types as a user
 * does through the X display's XTEST extension: once a top-level window named
 * with TITLE is viewable, TEXT (lower-case letters, digits, blanks) and Return,
 * a key every 12 ms. Then it writes "typed", or why not, into xkeys.txt in its
 * current folder (Wine gives no handle to wait on a Linux program). */
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

static int Ignore(Display* d, XErrorEvent* e) { return 0; } /* a window went while listed */

static int Shows(Display* d, const char* pszTitle)
{
    Window root, parent, *pKids = NULL;
    unsigned int n = 0, i;
    int bShows = 0;
    XQueryTree(d, DefaultRootWindow(d), &root, &parent, &pKids, &n);
    for (i = 0; i < n && !bShows; ++i) {
        char* pszName = NULL;
        XWindowAttributes a;
        bShows = XFetchName(d, pKids[i], &pszName) && strstr(pszName, pszTitle) &&
                 XGetWindowAttributes(d, pKids[i], &a) && a.map_state == IsViewable;
        XFree(pszName);
    }
    XFree(pKids);
    return bShows;
}

static const char* Type(int argc, char** argv)
{
    int n;
    Display* d = argc == 3 ? XOpenDisplay(NULL) : NULL;
    if (!d || !XTestQueryExtension(d, &n, &n, &n, &n))
        return "no display with XTEST";
    XSetErrorHandler(Ignore);
    for (n = 0; !Shows(d, argv[1]); usleep(1000))
        if (++n > 30000)
            return "no window";
    for (const char* p = argv[2];; ++p) {
        char sz[2] = {*p, '\0'};
        KeyCode code = XKeysymToKeycode(d, XStringToKeysym(!*p ? "Return" : *p == ' ' ? "space" : sz));
        XTestFakeKeyEvent(d, code, True, CurrentTime);
        XTestFakeKeyEvent(d, code, False, CurrentTime);
        XFlush(d);
        usleep(12000);
        if (!*p)
            break;
    }
    XCloseDisplay(d);
    return "typed";
}

int main(int argc, char** argv)
{
    FILE* pReport = fopen("xkeys.txt", "w");
    return pReport && fputs(Type(argc, argv), pReport) >= 0 && fclose(pReport) == 0 ? 0 : 1;
}
