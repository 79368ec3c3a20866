// The X root window's background, as classic wallpaper setters leave it: a pixmap kept on the
// server after the program ends (RetainPermanent), named in _XROOTPMAP_ID and ESETROOT_PMAP_ID so
// that terminals and docks with "transparent" backgrounds find it. The pixmap an earlier setter
// kept is freed, so setting a wallpaper again does not pile up pixmaps on the server.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "gdi/bmp.h"
#include "platform/qt_x11_root.h"

namespace platform::x11 {

namespace {

int ShiftOf(unsigned long mask) {
  int shift = 0;
  while (mask != 0 && (mask & 1) == 0) {
    mask >>= 1;
    ++shift;
  }
  return shift;
}

Pixmap PixmapProperty(Display* d, ::Window root, Atom name) {
  Atom type = None;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* data = nullptr;
  Pixmap pixmap = None;
  if (XGetWindowProperty(d, root, name, 0, 1, False, XA_PIXMAP, &type, &format, &count, &after, &data) ==
          Success &&
      type == XA_PIXMAP && format == 32 && count == 1 && data != nullptr)
    pixmap = *reinterpret_cast<Pixmap*>(data);
  if (data) XFree(data);
  return pixmap;
}

}  // namespace

bool SetRootBackground(const std::string& bitmap_path, std::string* error) {
  std::string read_error;
  gdi::HBITMAP picture = gdi::LoadBmpFile(bitmap_path, &read_error);
  if (!picture || picture->Width() <= 0 || picture->Height() <= 0) {
    if (error) *error = read_error;
    return false;
  }
  Display* d = XOpenDisplay(nullptr);
  if (d == nullptr) {
    if (error) *error = "cannot reach the X display";
    return false;
  }
  const int screen = DefaultScreen(d);
  const ::Window root = RootWindow(d, screen);
  Visual* visual = DefaultVisual(d, screen);
  const int depth = DefaultDepth(d, screen);
  const int w = DisplayWidth(d, screen), h = DisplayHeight(d, screen);
  if (visual->c_class != TrueColor || depth < 15 || w <= 0 || h <= 0) {
    XCloseDisplay(d);
    if (error) *error = "the X display is not a true-colour display";
    return false;
  }

  // The picture scaled to cover the whole screen, centred, nearest pixel.
  XImage* image = XCreateImage(d, visual, depth, ZPixmap, 0, nullptr, w, h, 32, 0);
  if (image == nullptr) {
    XCloseDisplay(d);
    if (error) *error = "cannot make the background picture";
    return false;
  }
  image->data = static_cast<char*>(std::malloc(static_cast<std::size_t>(image->bytes_per_line) * h));
  if (image->data == nullptr) {
    XDestroyImage(image);
    XCloseDisplay(d);
    if (error) *error = "not enough memory for the background picture";
    return false;
  }
  const int pw = picture->Width(), ph = picture->Height();
  const double scale = std::max(static_cast<double>(w) / pw, static_cast<double>(h) / ph);
  const double off_x = (pw * scale - w) / 2, off_y = (ph * scale - h) / 2;
  const int rs = ShiftOf(visual->red_mask), gs = ShiftOf(visual->green_mask), bs = ShiftOf(visual->blue_mask);
  const unsigned long rmax = visual->red_mask >> rs, gmax = visual->green_mask >> gs,
                      bmax = visual->blue_mask >> bs;
  std::vector<int> source_x(static_cast<std::size_t>(w));
  for (int x = 0; x < w; ++x) source_x[x] = std::clamp(static_cast<int>((x + off_x) / scale), 0, pw - 1);
  // The usual 24-bit visual in 32-bit words of the machine's own byte order takes the words as
  // they are; anything else goes pixel by pixel.
  const std::uint16_t probe = 1;
  const bool native_order =
      (*reinterpret_cast<const unsigned char*>(&probe) == 1) == (image->byte_order == LSBFirst);
  const bool words = image->bits_per_pixel == 32 && native_order && rmax == 255 && gmax == 255 && bmax == 255;
  for (int y = 0; y < h; ++y) {
    const int sy = std::clamp(static_cast<int>((y + off_y) / scale), 0, ph - 1);
    const std::uint32_t* src = picture->Row(sy);
    if (words) {
      auto* out =
          reinterpret_cast<std::uint32_t*>(image->data + static_cast<std::size_t>(image->bytes_per_line) * y);
      for (int x = 0; x < w; ++x) {
        const std::uint32_t p = src[source_x[x]];
        out[x] = ((p >> 16) & 0xFF) << rs | ((p >> 8) & 0xFF) << gs | (p & 0xFF) << bs;
      }
      continue;
    }
    for (int x = 0; x < w; ++x) {
      const std::uint32_t p = src[source_x[x]];
      const unsigned long r = ((p >> 16) & 0xFF) * rmax / 255, g = ((p >> 8) & 0xFF) * gmax / 255,
                          b = (p & 0xFF) * bmax / 255;
      XPutPixel(image, x, y, (r << rs) | (g << gs) | (b << bs));
    }
  }
  const Pixmap pixmap = XCreatePixmap(d, root, w, h, depth);
  GC gc = XCreateGC(d, pixmap, 0, nullptr);
  XPutImage(d, pixmap, gc, image, 0, 0, 0, 0, w, h);
  XFreeGC(d, gc);
  XDestroyImage(image);

  // Free what the last classic setter kept, when both properties still name its pixmap.
  const Atom xroot = XInternAtom(d, "_XROOTPMAP_ID", False);
  const Atom esetroot = XInternAtom(d, "ESETROOT_PMAP_ID", False);
  const Pixmap old_root = PixmapProperty(d, root, xroot), old_eset = PixmapProperty(d, root, esetroot);
  if (old_eset != None && old_eset == old_root) XKillClient(d, old_eset);

  XChangeProperty(d, root, xroot, XA_PIXMAP, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pixmap), 1);
  XChangeProperty(d, root, esetroot, XA_PIXMAP, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&pixmap), 1);
  XSetWindowBackgroundPixmap(d, root, pixmap);
  XClearWindow(d, root);
  XSetCloseDownMode(d, RetainPermanent);
  XSync(d, False);
  XCloseDisplay(d);
  return true;
}

}  // namespace platform::x11
