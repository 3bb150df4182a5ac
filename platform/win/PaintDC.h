#pragma once
// Drawing through device contexts: the painting of a window (BeginPaint / EndPaint, GetDC),
// memory contexts with a bitmap selected (CreateCompatibleDC), filling, lines, text, icons and
// block transfers with raster operations. A window context draws into the picture the window
// painter is making (win/WindowPainter.h) while the window is being painted; at any other time
// its drawing is dropped, as on a screen nobody looks at. A memory context draws into its
// bitmap, so masks and images built off screen are real pixels that tests can read.
#include "win/Gdi.h"

struct PAINTSTRUCT {
    HDC hdc = nullptr;
    BOOL fErase = FALSE;
    RECT rcPaint;
};
using LPPAINTSTRUCT = PAINTSTRUCT*;

// Raster operations of BitBlt and PatBlt (destination D, source S, pattern P).
inline constexpr DWORD SRCCOPY = 0x00CC0020;      // S
inline constexpr DWORD SRCPAINT = 0x00EE0086;     // D | S
inline constexpr DWORD SRCAND = 0x008800C6;       // D & S
inline constexpr DWORD SRCINVERT = 0x00660046;    // D ^ S
inline constexpr DWORD NOTSRCCOPY = 0x00330008;   // ~S
inline constexpr DWORD SRCERASE = 0x00440328;     // S & ~D
inline constexpr DWORD MERGEPAINT = 0x00BB0226;   // ~S | D
inline constexpr DWORD PATCOPY = 0x00F00021;      // P
inline constexpr DWORD PATINVERT = 0x005A0049;    // D ^ P
inline constexpr DWORD DSTINVERT = 0x00550009;    // ~D
inline constexpr DWORD BLACKNESS = 0x00000042;
inline constexpr DWORD WHITENESS = 0x00FF0062;

// DrawText formats.
inline constexpr UINT DT_LEFT = 0x0000;
inline constexpr UINT DT_CENTER = 0x0001;
inline constexpr UINT DT_RIGHT = 0x0002;
inline constexpr UINT DT_VCENTER = 0x0004;
inline constexpr UINT DT_BOTTOM = 0x0008;
inline constexpr UINT DT_WORDBREAK = 0x0010;
inline constexpr UINT DT_SINGLELINE = 0x0020;
inline constexpr UINT DT_NOCLIP = 0x0100;
inline constexpr UINT DT_CALCRECT = 0x0400;
inline constexpr UINT DT_NOPREFIX = 0x0800;
inline constexpr UINT DT_END_ELLIPSIS = 0x8000;

inline constexpr int NULL_PEN = 8;
inline constexpr int BLACK_PEN = 7;
inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DOT = 2;

using HPEN = HGDIOBJ;

// Window contexts.
HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT paint);
BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* paint);
HDC GetDC(HWND hwnd);
int ReleaseDC(HWND hwnd, HDC dc);
HWND WindowFromDC(HDC dc);

// Memory contexts and bitmaps. A compatible bitmap has colour pixels; CreateBitmap with one
// plane of one bit per pixel makes a monochrome one (bits: rows of bytes padded to 16 bits,
// set bits white; null bits: black).
HDC CreateCompatibleDC(HDC dc);
BOOL DeleteDC(HDC dc);
HBITMAP CreateCompatibleBitmap(HDC dc, int width, int height);
HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
// Bitmaps, brushes, fonts and pens; returns the object it replaces (null on failure). A
// bitmap can be selected into one memory context only.
HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);
HPEN CreatePen(int style, int width, COLORREF color);

// Drawing. Coordinates are the context's (a window's client area, or the bitmap).
int FillRect(HDC dc, const RECT* rect, HBRUSH brush);
int FrameRect(HDC dc, const RECT* rect, HBRUSH brush);
BOOL Rectangle(HDC dc, int left, int top, int right, int bottom);  // pen frame, brush inside
BOOL MoveToEx(HDC dc, int x, int y, LPPOINT old);
BOOL LineTo(HDC dc, int x, int y);
BOOL DrawFocusRect(HDC dc, const RECT* rect);
BOOL PatBlt(HDC dc, int x, int y, int width, int height, DWORD rop);
BOOL InvertRect(HDC dc, const RECT* rect);
// Copies a block from source to destination combined by rop. Between colour and monochrome:
// a colour source becomes white where it has the source's background colour and black
// elsewhere; a monochrome source gives the destination's background colour for white and its
// text colour for black.
BOOL BitBlt(HDC dest, int x, int y, int width, int height, HDC source, int sx, int sy, DWORD rop);
COLORREF SetPixel(HDC dc, int x, int y, COLORREF color);
// CLR_INVALID outside the surface.
COLORREF GetPixel(HDC dc, int x, int y);
inline constexpr COLORREF CLR_INVALID = 0xFFFFFFFF;
BOOL DrawIcon(HDC dc, int x, int y, HICON icon);
// Draws a bitmap or icon with its transparency (an icon's alpha; a bitmap is opaque).
BOOL DrawImage(HDC dc, int x, int y, HGDIOBJ image);
BOOL TextOut(HDC dc, int x, int y, LPCSTR text, int length);
// Text in the selected font and text colour; the background is filled in OPAQUE mode. With
// DT_CALCRECT only the rectangle is measured. Returns the height of the text.
int DrawText(HDC dc, LPCSTR text, int length, LPRECT rect, UINT format);
BOOL GetTextExtentPoint32(HDC dc, LPCSTR text, int length, SIZE* size);
