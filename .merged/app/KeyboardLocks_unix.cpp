#include "app/KeyboardLocks.h"

#include <QGuiApplication>

#if defined(MW_HAVE_X11)
#include <X11/XKBlib.h>

namespace {

// The state of the keyboard indicator with this name ("Caps Lock", ...); off when the
// keyboard has no such indicator.
bool IndicatorOn(Display* display, const char* name)
{
    const Atom indicator = XInternAtom(display, name, True);
    Bool on = False;
    return indicator != None && XkbGetNamedIndicator(display, indicator, nullptr, &on, nullptr, nullptr) && on;
}

}
#endif

std::optional<SKeyboardLocks> ReadKeyboardLocks()
{
#if defined(MW_HAVE_X11)
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return std::nullopt;
    return SKeyboardLocks {IndicatorOn(display, "Caps Lock"), IndicatorOn(display, "Num Lock"),
        IndicatorOn(display, "Scroll Lock")};
#else
    return std::nullopt;
#endif
}
