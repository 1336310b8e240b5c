// What the journeys through the real program need of the X server beyond xdotool:
//   x11_eleve pixel X Y       prints the colour of the screen pixel as RRGGBB
//   x11_eleve capture FICHIER writes the top-left 800 × 600 pixels of the screen as a PPM picture
//   x11_eleve fermer FENETRE  asks the window to close, as a window manager's close button does
// Exits with 1 when the display or the window cannot be reached.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int pixel(Display* ecran, int x, int y)
{
    XImage* image = XGetImage(ecran, DefaultRootWindow(ecran), x, y, 1, 1, AllPlanes, ZPixmap);
    if (!image) return 1;
    const unsigned long p = XGetPixel(image, 0, 0);
    std::printf("%02lX%02lX%02lX\n", (p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    XDestroyImage(image);
    return 0;
}

int capturer(Display* ecran, const char* chemin)
{
    constexpr int largeur = 800, hauteur = 600;
    XImage* image = XGetImage(ecran, DefaultRootWindow(ecran), 0, 0, largeur, hauteur, AllPlanes, ZPixmap);
    if (!image) return 1;
    std::FILE* f = std::fopen(chemin, "wb");
    if (f) {
        std::fprintf(f, "P6\n%d %d\n255\n", largeur, hauteur);
        for (int y = 0; y < hauteur; ++y)
            for (int x = 0; x < largeur; ++x) {
                const unsigned long p = XGetPixel(image, x, y);
                const unsigned char rvb[] = {static_cast<unsigned char>(p >> 16), static_cast<unsigned char>(p >> 8),
                                             static_cast<unsigned char>(p)};
                std::fwrite(rvb, 1, 3, f);
            }
        std::fclose(f);
    }
    XDestroyImage(image);
    return f ? 0 : 1;
}

int fermer(Display* ecran, Window fenetre)
{
    XEvent e;
    std::memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = fenetre;
    e.xclient.message_type = XInternAtom(ecran, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = static_cast<long>(XInternAtom(ecran, "WM_DELETE_WINDOW", False));
    e.xclient.data.l[1] = CurrentTime;
    const Status envoye = XSendEvent(ecran, fenetre, False, NoEventMask, &e);
    XFlush(ecran);
    return envoye ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv)
{
    Display* ecran = XOpenDisplay(nullptr);
    if (!ecran) return 1;
    int code = 2;
    if (argc == 4 && std::strcmp(argv[1], "pixel") == 0)
        code = pixel(ecran, std::atoi(argv[2]), std::atoi(argv[3]));
    else if (argc == 3 && std::strcmp(argv[1], "capture") == 0)
        code = capturer(ecran, argv[2]);
    else if (argc == 3 && std::strcmp(argv[1], "fermer") == 0)
        code = fermer(ecran, static_cast<Window>(std::strtoul(argv[2], nullptr, 0)));
    else
        std::fprintf(stderr, "usage: x11_eleve pixel X Y | capture FICHIER | fermer FENETRE\n");
    XCloseDisplay(ecran);
    return code;
}
