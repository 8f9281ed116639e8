#include "lockkeys.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace {
class NoLockKeys : public LockKeys {
public:
    State read() const override { return {}; }
};

class X11LockKeys : public LockKeys {
public:
    explicit X11LockKeys(Display *display)
        : m_display(display),
          m_caps(XInternAtom(display, "Caps Lock", False)),
          m_num(XInternAtom(display, "Num Lock", False)),
          m_scroll(XInternAtom(display, "Scroll Lock", False))
    {
    }

    State read() const override
    {
        State state;
        state.caps = indicator(m_caps);
        state.num = indicator(m_num);
        state.scroll = indicator(m_scroll);
        return state;
    }

private:
    bool indicator(Atom name) const
    {
        Bool on = False;
        XkbGetNamedIndicator(m_display, name, nullptr, &on, nullptr, nullptr);
        return on;
    }

    Display *m_display;
    Atom m_caps;
    Atom m_num;
    Atom m_scroll;
};
} // namespace

std::unique_ptr<LockKeys> LockKeys::forDesktop()
{
    if (auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()) {
        if (Display *display = x11->display())
            return std::make_unique<X11LockKeys>(display);
    }
    return std::make_unique<NoLockKeys>();
}
