#include "com/AboutPicture.h"

namespace tavimo::flexolo::com {
namespace {

constexpr int side = 48;  // pixels
constexpr COLORREF navy = RGB(0, 0, 128);
constexpr COLORREF blue = RGB(0, 0, 255);
constexpr COLORREF grey = RGB(128, 128, 128);

void fill(HDC dc, RECT area, COLORREF color) {
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &area, brush);
  DeleteObject(brush);
}

void draw(HDC dc) {
  fill(dc, {0, 0, side, side}, GetSysColor(COLOR_BTNFACE));

  // The form's enlarged outline.
  HPEN dotted = CreatePen(PS_DOT, 1, grey);
  HGDIOBJ oldPen = SelectObject(dc, dotted);
  HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
  Rectangle(dc, 1, 1, side - 1, side - 1);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(dotted);

  // The form itself: a frame, a title bar and two controls.
  fill(dc, {4, 4, 29, 29}, navy);
  fill(dc, {5, 10, 28, 28}, RGB(255, 255, 255));
  fill(dc, {8, 13, 24, 16}, grey);
  fill(dc, {8, 19, 18, 24}, blue);

  // The arrow that pulls its corner out.
  HPEN thick = CreatePen(PS_SOLID, 3, blue);
  oldPen = SelectObject(dc, thick);
  MoveToEx(dc, 27, 27, nullptr);
  LineTo(dc, 39, 39);
  SelectObject(dc, oldPen);
  DeleteObject(thick);
  HBRUSH head = CreateSolidBrush(blue);
  HPEN edge = CreatePen(PS_SOLID, 1, blue);
  oldBrush = SelectObject(dc, head);
  oldPen = SelectObject(dc, edge);
  const POINT tip[] = {{44, 44}, {44, 33}, {33, 44}};
  Polygon(dc, tip, 3);
  SelectObject(dc, oldBrush);
  SelectObject(dc, oldPen);
  DeleteObject(head);
  DeleteObject(edge);
}

}  // namespace

HBITMAP drawAboutPicture() {
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP picture = CreateCompatibleBitmap(screen, side, side);
  ReleaseDC(nullptr, screen);
  if (dc && picture) {
    HGDIOBJ old = SelectObject(dc, picture);
    draw(dc);
    SelectObject(dc, old);
  }
  if (dc) DeleteDC(dc);
  return picture;
}

}  // namespace tavimo::flexolo::com
